# shellcheck shell=sh
# Sourced: the locales that the tests and the demo run Wine in. Wine takes
# the system's default language and ANSI code page from LANG.
LURN_LOCALES="zh_CN.UTF-8 zh_TW.UTF-8 en_US.UTF-8 ja_JP.UTF-8 ko_KR.UTF-8 zh_SG.UTF-8"
