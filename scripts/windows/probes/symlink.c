/* Whether this Windows makes symbolic links: creates a file and a folder, a
 * link to each, and shows what the links are afterwards. On Windows (with the
 * right to make links) both are reparse points (attributes with 0x400); under
 * Wine 8 CreateSymbolicLinkW reports success and makes nothing (ffffffff: no
 * such entry). Build and run:
 *   x86_64-w64-mingw32-gcc-posix symlink.c -o symlink.exe && wine64 symlink.exe */
#include <stdio.h>
#include <windows.h>

int main(void) {
    wchar_t folder[MAX_PATH], file[MAX_PATH], fileLink[MAX_PATH], folderLink[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wcscat(folder, L"zorna-link-probe");
    CreateDirectoryW(folder, NULL);
    swprintf(file, MAX_PATH, L"%ls\\target.txt", folder);
    swprintf(fileLink, MAX_PATH, L"%ls\\file-link", folder);
    swprintf(folderLink, MAX_PATH, L"%ls\\folder-link", folder);
    CloseHandle(CreateFileW(file, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    const DWORD unprivileged = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    const BOOLEAN madeFile = CreateSymbolicLinkW(fileLink, file, unprivileged);
    const BOOLEAN madeFolder =
        CreateSymbolicLinkW(folderLink, folder, unprivileged | SYMBOLIC_LINK_FLAG_DIRECTORY);
    printf("link to a file:   CreateSymbolicLinkW %d, attributes %lx\n", madeFile,
           GetFileAttributesW(fileLink));
    printf("link to a folder: CreateSymbolicLinkW %d, attributes %lx\n", madeFolder,
           GetFileAttributesW(folderLink));
    DeleteFileW(fileLink);
    RemoveDirectoryW(folderLink);
    DeleteFileW(file);
    RemoveDirectoryW(folder);
    return 0;
}
