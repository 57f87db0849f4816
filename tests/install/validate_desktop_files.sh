#!/bin/sh
# The desktop entry and the AppStream metainfo pass their validators.
set -eu
dir=$1
desktop-file-validate "$dir/ua.zorna.Zorna.desktop"
desktop-file-validate "$dir/ua.zorna.Results.desktop"
appstreamcli validate --no-net "$dir/ua.zorna.Zorna.metainfo.xml"
