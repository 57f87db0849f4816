// The help page the program opens on F1, with a picture of the board window.
#include "common/asset_writer.h"
#include "help_page_data.h"

#include <QPainter>

namespace zorna::assets {

namespace {

using namespace help_page_data;

QFont helpFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawDisk(QPainter& p, QRect box) {
    const QRect disk = box.adjusted(5, 5, -5, -5);
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(40, 80, 170));
    p.drawRect(disk);
    p.setBrush(Qt::white);
    p.drawRect(QRect(disk.left() + 3, disk.top(), disk.width() - 6, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRect(disk.left() + 3, disk.bottom() - 5, disk.width() - 6, 5));
}

// The board window during a three-player game: caption, menu, map with the
// chips, the button strip, and numbered marks explained on the page.
QImage boardPicture(const QImage& map, const AssetWriter& w) {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.fillRect(QRect(0, 0, kWidth, kTitleHeight), QColor(0, 0, 128));
    p.setPen(Qt::white);
    p.setFont(helpFont(13, true));
    p.drawText(QRect(8, 0, kWidth - 16, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Розвивальна гра \"Тимбрала\""));

    p.fillRect(QRect(0, kTitleHeight, kWidth, kMenuHeight), QColor(240, 240, 240));
    p.setPen(Qt::black);
    p.setFont(helpFont(12));
    p.drawText(QRect(10, kTitleHeight, 130, kMenuHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("F1 - про програму"));
    p.drawText(QRect(138, kTitleHeight, 120, kMenuHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("F2 - статистика"));

    p.drawImage(QPoint(0, kClientTop), map, QRect(0, 0, kWidth, kClientHeight));

    // Chips: player 1 on square 4, player 2 on square 13, player 3 on square 1,
    // each in its own lane (13 pixels apart), resting pictures as on the board.
    struct Chip {
        const char* file;
        QPoint at;
    };
    const Chip chips[] = {{"guk11.gif", {243, 8}}, {"guk23.gif", {675, 93}}, {"guk31.gif", {27, 34}}};
    for (const Chip& c : chips)
        p.drawImage(c.at + QPoint(0, kClientTop), QImage(w.path(QString::fromLatin1(c.file))));

    for (const StripControl& c : kStrip) {
        const QRect box(c.left, kClientTop + kButtonTop, c.width, kButtonHeight);
        p.setPen(QPen(QColor(128, 128, 128), 1));
        p.setBrush(c.colour);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(c.text);
        p.setFont(helpFont(c.bold ? 16 : 12, c.bold));
        p.drawText(box, Qt::AlignCenter, QString::fromUtf8(c.caption));
    }
    drawDisk(p, QRect(680, kClientTop + kButtonTop, 25, kButtonHeight));

    p.setFont(helpFont(12, true));
    for (int i = 0; i < int(std::size(kMarks)); ++i) {
        const QPoint m = kMarks[i];
        if (m.y() > kClientTop + kClientHeight) {
            p.setPen(QPen(QColor(200, 0, 0), 1.5));
            p.drawLine(m, QPoint(m.x(), kClientTop + kButtonTop + kButtonHeight));
        }
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(QColor(200, 0, 0));
        p.drawEllipse(QPointF(m), 9, 9);
        p.drawText(QRect(m.x() - 9, m.y() - 9, 18, 18), Qt::AlignCenter, QString::number(i + 1));
    }
    return img;
}

QByteArray helpPage() {
    return QByteArrayLiteral(R"(<!DOCTYPE html>
<html lang="uk">
<head>
<meta charset="utf-8">
<title>Розвивальна гра "Тимбрала" — довідка</title>
<style>
body { font-family: "Liberation Sans", Arial, sans-serif; max-width: 52em; margin: 1.5em auto; padding: 0 1em;
       color: #1a1a40; background: #f8fbff; line-height: 1.45; }
h1 { color: #000080; margin-bottom: 0.2em; }
h2 { color: #006060; border-bottom: 2px solid #00c0c0; padding-bottom: 0.2em; margin-top: 1.6em; }
table { border-collapse: collapse; margin: 0.5em 0; }
td, th { border: 1px solid #a0c0c0; padding: 0.3em 0.6em; vertical-align: top; text-align: left; }
th { background: #e0f4f4; }
kbd { background: #eee; border: 1px solid #aaa; border-radius: 3px; padding: 0 0.3em; font-family: inherit; }
img { max-width: 100%; height: auto; border: 1px solid #889; }
.lead { font-size: 1.1em; }
.mark { display: inline-block; width: 1.4em; height: 1.4em; line-height: 1.4em; border-radius: 50%;
        background: #c80000; color: #fff; text-align: center; font-weight: bold; font-size: 0.85em; }
ol.marks { list-style: none; padding-left: 0; }
ol.marks li { margin: 0.25em 0; }
.cyan { background: #00c0c0; } .red { background: #ff0000; color: #fff; } .blue { background: #0000ff; color: #fff; }
.chip { padding: 0 0.4em; border-radius: 3px; }
</style>
</head>
<body>
<h1>Розвивальна гра "Тимбрала"</h1>
<p class="lead">Гра для двох або трьох учнів за одним комп’ютером. Кожен гравець веде свою фішку — жучка —
доріжкою з 33 клітинок. На кожній клітинці чекає завдання: на увагу, сприйняття, просторову уяву,
мислення, логіку, реакцію чи зорову пам’ять. Хто виконав завдання правильно, той іде вперед.
Перемагає той, хто першим дійде до клітинки 33 — фінішу.</p>

<p><a href="#start">Початок гри</a> · <a href="#board">Ігрове поле</a> · <a href="#turn">Як ходити</a> ·
<a href="#squares">Особливі клітинки</a> · <a href="#tasks">Завдання</a> · <a href="#keys">Клавіші</a> ·
<a href="#stats">Статистика і фініш</a> · <a href="#save">Збереження і продовження гри</a> ·
<a href="#journal">Журнал результатів для вчителя</a></p>

<h2 id="start">Початок гри</h2>
<p>Після запуску відкривається вікно «Реєстрація».</p>
<ol>
<li>У списку вгорі ліворуч («Кількість гравців») виберіть 2 або 3.</li>
<li>Кожен гравець вписує своє ім’я у свій рядок під словом «Гравці:». Порядок рядків — це порядок ходів
і колір фішки: перший гравець — <span class="chip cyan">блакитний</span>, другий —
<span class="chip red">червоний</span>, третій — <span class="chip blue">синій</span>.</li>
<li>Натисніть кнопку зі стрілкою («Перейти до ігрового поля»). Якщо чиєсь ім’я порожнє, програма скаже
«Не всі гравці задали своє ім'я!»; однакові імена теж не можна: «Однакові імена не допускаються!».</li>
</ol>
<p>Щоб закрити програму, закрийте вікно «Реєстрація» і відповідайте «Так» на запитання «Закрити програму?».</p>

<h2 id="board">Ігрове поле</h2>
<p>Вікно «Розвивальна гра "Тимбрала"»: доріжка з трьох рядів клітинок, фішки гравців і кнопки внизу.</p>
<p><img src="board.png" width="785" height="330" alt="Ігрове поле: доріжка з 33 клітинок, три фішки, кнопки «Старт», «Далі», «Вихід»"></p>
<ol class="marks">
<li><span class="mark">1</span> «Старт» — починає нову гру. Після початку кнопка недоступна.</li>
<li><span class="mark">2</span> Ліворуч унизу — ім’я гравця, який зараз ходить, на тлі кольору його фішки.</li>
<li><span class="mark">3</span> «Далі» — відкриває завдання клітинки, на якій стоїть фішка цього гравця.</li>
<li><span class="mark">4</span> Кнопка з дискетою — зберігає гру.</li>
<li><span class="mark">5</span> «Вихід» — повертає до вікна «Реєстрація».</li>
<li><span class="mark">6</span> Меню: «F1 - про програму» відкриває цю сторінку, «F2 - статистика» — вікно статистики.</li>
<li><span class="mark">7</span> Драбина з клітинки 10 на клітинку 13.</li>
<li><span class="mark">8</span> Місток з клітинки 21 на клітинку 24.</li>
<li><span class="mark">9</span> Клітинка 33 — фініш.</li>
</ol>

<h2 id="turn">Як ходити</h2>
<ol>
<li>Натисніть «Старт». Усі фішки стоять на клітинці 1, ходить перший гравець.</li>
<li>Гравець, чиє ім’я видно ліворуч унизу, натискає «Далі». Над ігровим полем відкривається вікно
«Завдання №…» з номером його клітинки. Поки завдання відкрите, ігрове поле не відповідає на натискання.</li>
<li>Виконайте завдання. Вікно завдання не можна закрити, поки на завдання немає відповіді.</li>
<li>Правильна відповідь — фішка переходить на наступну клітинку. Неправильна — фішка лишається на місці.</li>
<li>Потім ходить наступний гравець; хто вже фінішував, той більше не ходить.</li>
</ol>

<h2 id="squares">Особливі клітинки</h2>
<table>
<tr><th>Клітинка</th><th>Що відбувається</th></tr>
<tr><td>10 — драбина</td><td>Правильна відповідь — фішка спускається драбиною одразу на клітинку 13.
Неправильна — фішка все одно переходить на клітинку 11.</td></tr>
<tr><td>21 — місток</td><td>Правильна відповідь — фішка переходить містком одразу на клітинку 24.
Неправильна — фішка все одно переходить на клітинку 22.</td></tr>
<tr><td>13 і 24</td><td>Неправильна відповідь повертає фішку на три клітинки назад (з 13 на 10, з 24 на 21).
Це стається лише раз: якщо гравець знову помилиться на клітинці 13 чи 24, поки не виконав правильно
завдання на одній із них, фішка просто лишається на місці.</td></tr>
<tr><td>33 — фініш</td><td>Гравець бачить вікно «Фініш» зі своїм місцем. Коли фінішують усі гравці,
гра закінчена.</td></tr>
</table>

<h2 id="tasks">Завдання</h2>
<p>Кожна клітинка від 1 до 32 має своє завдання; номер у заголовку вікна «Завдання №…» — це номер
клітинки. Більшість завдань щоразу показують інший малюнок. Над малюнком написано, що треба зробити.</p>
<table>
<tr><th>Клітинки</th><th>Що треба зробити</th></tr>
<tr><td>1, 2, 3, 4, 8, 10, 11, 17, 19, 22, 27, 29</td><td>Малюнок із завданням: знайти точну копію,
продовжити ряд фігур, вибрати розгортку коробки чи вигляд розгорнутої серветки, знайти предмет за силуетами
тощо. Клацніть по правильному малюнку — одне клацання і є відповідь.</td></tr>
<tr><td>9, 25</td><td>Вибрати два малюнки: два однакові або два об’єкти, назви яких складаються з тих самих
літер. Клацніть по одному, потім по другому.</td></tr>
<tr><td>5</td><td>«Чого не вистачає на малюнку в рамці?» Клацніть по потрібній деталі; малюнок на мить
покаже, що вийшло.</td></tr>
<tr><td>16</td><td>П’ять об’єктів, один із них зайвий. Натисніть кнопку з його номером під малюнком.</td></tr>
<tr><td>15</td><td>Під малюнком — запитання (наприклад, хто з дітей тримає кульку). Клацніть по відповіді
на самому малюнку.</td></tr>
<tr><td>18, 24</td><td>Полічити кубики: скільки їх на малюнку або скільки не вистачає кожній із п’яти
фігур. Впишіть числа в поля і натисніть фігурку «Готово».</td></tr>
<tr><td>12, 20</td><td>Чотири кадри історії перемішані. Перетягніть їх мишею на плівку в правильному
порядку зліва направо і натисніть «Готово».</td></tr>
<tr><td>23</td><td>Запам’ятайте малюнок (поки біжить смужка праворуч). Потім з’явиться той самий
малюнок з однією зміненою деталлю — клацніть по ній.</td></tr>
<tr><td>28</td><td>Запам’ятайте чотири малюнки, що з’являються по черзі. Потім знайдіть і клацніть усі
чотири серед дев’яти. Клацання по іншому малюнку — помилка.</td></tr>
<tr><td>32</td><td>Клацніть по завісі: предмети по одному покажуться у своїх клітинках. Потім
перетягніть кожен предмет на його місце і натисніть «Готово».</td></tr>
<tr><td>6, 26</td><td>Піраміда з дисків: перебудуйте її на червоній осі праворуч. Клацніть по осі, щоб
узяти верхній диск, і по іншій осі, щоб покласти. Більший диск на менший класти не можна; кількість
кроків обмежена (написано у вікні). «Готово» — здатися.</td></tr>
<tr><td>7</td><td>П’ятнадцять фішок із числами: клацайте по фішках поруч із порожньою клітинкою, щоб
розставити числа по порядку з лівого верхнього кута, і натисніть «Готово». На це є 5 хвилин.</td></tr>
<tr><td>14</td><td>Червоні кулі треба перемістити ліворуч, сірі — праворуч, не більш ніж за 21 крок.
Клацніть по кулі, потім по порожній лунці: куля переходить у сусідню лунку або перестрибує через
кулю іншого кольору. «Готово» — здатися.</td></tr>
<tr><td>21</td><td>Три секунди видно цілий малюнок, потім його частини перемішуються. Перетягніть частини
на порожнє поле і натисніть «Готово». Дозволено 5 помилок, шоста завершує завдання.</td></tr>
<tr><td>13</td><td>«Попади в яблучко»: яблуко стрибає по клітинках — клацніть по клітинці, де воно зараз.</td></tr>
<tr><td>30</td><td>Кульки падають із чотирьох жолобів. Клавішами <kbd>V</kbd> <kbd>B</kbd> <kbd>N</kbd>
<kbd>M</kbd> (зліва направо) підставте сачок під жолоб. Треба спіймати 15 кульок із 20.</td></tr>
<tr><td>31</td><td>Кульки падають по одній. Клавіша <kbd>Enter</kbd> штовхає візок: він їде ліворуч і
повертається. Спіймайте візком три кульки з п’яти.</td></tr>
</table>

<h2 id="keys">Клавіші</h2>
<table>
<tr><th>Клавіша</th><th>Де</th><th>Що робить</th></tr>
<tr><td><kbd>F1</kbd></td><td>вікно «Реєстрація», ігрове поле</td><td>відкриває цю сторінку</td></tr>
<tr><td><kbd>F2</kbd></td><td>ігрове поле</td><td>відкриває вікно «Статистика успішності»</td></tr>
<tr><td><kbd>Enter</kbd></td><td>завдання 31</td><td>штовхає візок</td></tr>
<tr><td><kbd>V</kbd> <kbd>B</kbd> <kbd>N</kbd> <kbd>M</kbd></td><td>завдання 30</td><td>ставлять сачок під
перший, другий, третій чи четвертий жолоб (працюють і в українській розкладці)</td></tr>
<tr><td><kbd>Enter</kbd> / <kbd>Esc</kbd></td><td>запитання програми</td><td>«Так» або «OK» / «Ні» або «Скасувати»</td></tr>
</table>

<h2 id="stats">Статистика і фініш</h2>
<p>Вікно «Статистика успішності» (<kbd>F2</kbd>) показує для кожного гравця (I, II, III) кількість
правильних (жовті числа) і неправильних (червоні числа) відповідей у кожній із семи категорій завдань:</p>
<ol>
<li>На стійкість уваги та спостережливість</li>
<li>На аналітичне сприйняття</li>
<li>На просторову уяву і просторове мислення</li>
<li>На умовиводи при співставленні предметів та подій</li>
<li>На логічне мислення</li>
<li>На розвиток реакції</li>
<li>На зорову пам'ять</li>
</ol>
<p>Хто дійшов до клітинки 33, бачить вікно «Фініш» зі своїм ім’ям і місцем; той, хто прийшов першим, —
ще й напис «Вітаємо з перемогою!». Закрийте це вікно, щоб гра йшла далі.</p>

<h2 id="save">Збереження і продовження гри</h2>
<ul>
<li>Кнопка з дискетою на ігровому полі зберігає гру (запитання «Зберегти гру?»). Гра зберігається у власну
папку, і наступні збереження цієї гри записуються туди ж: фішки, чий хід, статистика і показані малюнки.</li>
<li>«Вихід» повертає до вікна «Реєстрація». Якщо гру не збережено, програма спершу запропонує її зберегти.</li>
<li>Щоб продовжити гру, у вікні «Реєстрація» натисніть кнопку з папкою («Вибрати одну із збережених ігр»).
Унизу з’являться «Збережені ігри»: імена гравців вибраної гри. Кнопками зі стрілками гортайте ігри,
потім натисніть кнопку зі стрілкою вгорі — гра продовжиться з того самого місця.</li>
<li>Червона кнопка з хрестиком видаляє вибрану гру (програма двічі перепитає).</li>
<li>Поки видно збережені ігри, на місці кнопки з папкою — аркуш із зірочкою («Розпочати нову гру»):
він повертає до реєстрації нової гри.</li>
</ul>
<h2 id="journal">Журнал результатів для вчителя</h2>
<p>Гра записує кожну відповідь учнів у журнал — файл <code>results.sqlite</code> у папці, де зберігаються
ігри: у переносній копії — у папці програми, у встановленій — у папці даних користувача
(Windows: <code>%APPDATA%\Zorna</code>, Linux: <code>~/.local/share/Zorna</code>). Журнал не заважає грі.
Учитель відкриває журнали окремою програмою «Результати Зорни»: вона показує кожного учня і весь клас за
сімома категоріями та в часі і складає звіти CSV і PDF. Як зібрати журнали з усіх комп’ютерів класу на
флешку, розповідає її посібник (<kbd>F1</kbd> у «Результатах Зорни»).</p>
<p>Гарної гри!</p>
</body>
</html>
)");
}

} // namespace

void writeBoardHelp(AssetWriter& w, const QImage& map) {
    const QImage picture = boardPicture(map, w);
    if (picture.size() != QSize(kWidth, kHeight))
        w.fail(QStringLiteral("help: the board picture has the wrong size"));
    w.png(QStringLiteral("help/board.png"), picture);
    w.file(QStringLiteral("help/help.htm"), helpPage());
}

} // namespace zorna::assets
