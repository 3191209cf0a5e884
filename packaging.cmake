# Desktop integration files and the Debian package.
#
# Installs, besides bin/wex-power and its catalogues (translations/), the
# desktop entry, the session autostart entry, the AppStream metadata, the icon, a manual page and (when docs/ has
# them) the screenshots; CPack turns the same install into
# wex-power_<version>_<arch>.deb. The version comes from WEX_POWER_VERSION
# ("1.2.1-1": upstream version 1.2.1, Debian revision 1).

include(GNUInstallDirs)

# The date of the release WEX_POWER_VERSION names: AppStream's <release>,
# the Debian changelog and the manual page carry it. Change it with the
# version.
set(WEX_POWER_RELEASE_DATE "2026-12-07")

set(WEX_POWER_MAINTAINER "wex-power developers <wex-power@wex.invalid>"
    CACHE STRING "Maintainer of the Debian package: Name <address>")
set(WEX_POWER_HOMEPAGE "" CACHE STRING "Web page of the project (the package's Homepage and AppStream's url)")
set(WEX_POWER_SCREENSHOT_URL "" CACHE STRING
    "Web address under which the files of docs/ are published; AppStream lists the screenshots only with it")
set(WEX_POWER_AUTHORS "The wex-power developers")
set(WEX_POWER_COPYRIGHT_YEARS "2026")
set(WEX_POWER_LICENSE "GPL-3.0-or-later")
set(WEX_POWER_APPSTREAM_ID "org.wex.power")
set(WEX_POWER_DESKTOP_ID "wex-power.desktop")
set(WEX_POWER_EXECUTABLE "wex-power")
set(WEX_POWER_ICON "wex-power")

string(REGEX MATCH "^([^-]+)(-(.+))?$" _wex_version_ok "${WEX_POWER_VERSION}")
if(NOT _wex_version_ok)
    message(FATAL_ERROR "WEX_POWER_VERSION '${WEX_POWER_VERSION}' is not UPSTREAM[-REVISION]")
endif()
set(WEX_POWER_DEBIAN_UPSTREAM "${CMAKE_MATCH_1}")
set(WEX_POWER_DEBIAN_REVISION "${CMAKE_MATCH_3}")

# RFC 2822 form of the release date for the Debian changelog (Zeller's
# congruence gives the day of the week).
string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" _wex_date_ok "${WEX_POWER_RELEASE_DATE}")
if(NOT _wex_date_ok)
    message(FATAL_ERROR "WEX_POWER_RELEASE_DATE '${WEX_POWER_RELEASE_DATE}' is not YYYY-MM-DD")
endif()
math(EXPR _wex_year "${CMAKE_MATCH_1}")
math(EXPR _wex_month "1${CMAKE_MATCH_2} - 100")
math(EXPR _wex_day "1${CMAKE_MATCH_3} - 100")
set(_wex_zyear ${_wex_year})
set(_wex_zmonth ${_wex_month})
if(_wex_month LESS 3)
    math(EXPR _wex_zyear "${_wex_year} - 1")
    math(EXPR _wex_zmonth "${_wex_month} + 12")
endif()
math(EXPR _wex_weekday "(${_wex_day} + (13 * (${_wex_zmonth} + 1)) / 5 + ${_wex_zyear} + ${_wex_zyear} / 4 - ${_wex_zyear} / 100 + ${_wex_zyear} / 400) % 7")
set(_wex_weekdays Sat Sun Mon Tue Wed Thu Fri)
set(_wex_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _wex_weekdays ${_wex_weekday} _wex_weekday_name)
math(EXPR _wex_month_index "${_wex_month} - 1")
list(GET _wex_months ${_wex_month_index} _wex_month_name)
set(WEX_POWER_RELEASE_DATE_RFC2822
    "${_wex_weekday_name}, ${CMAKE_MATCH_3} ${_wex_month_name} ${_wex_year} 12:00:00 +0000")

# Screenshots: the README's pictures in docs/. They are installed when they
# exist; AppStream wants web addresses for them, so the metadata lists them
# only when WEX_POWER_SCREENSHOT_URL says where they are published. The glob
# is checked again at every build, so a picture added later is picked up.
file(GLOB WEX_POWER_SCREENSHOT_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/docs/*.png")
list(SORT WEX_POWER_SCREENSHOT_FILES)
# The main window comes first: it is the default screenshot.
list(FILTER WEX_POWER_SCREENSHOT_FILES EXCLUDE REGEX "/main-window\\.png$")
if(EXISTS "${PROJECT_SOURCE_DIR}/docs/main-window.png")
    list(PREPEND WEX_POWER_SCREENSHOT_FILES "${PROJECT_SOURCE_DIR}/docs/main-window.png")
endif()

set(WEX_POWER_METAINFO_SCREENSHOTS "")
if(WEX_POWER_SCREENSHOT_URL AND WEX_POWER_SCREENSHOT_FILES)
    string(REGEX REPLACE "/+$" "" _wex_base "${WEX_POWER_SCREENSHOT_URL}")
    set(_wex_type " type=\"default\"")
    string(APPEND WEX_POWER_METAINFO_SCREENSHOTS "  <screenshots>\n")
    foreach(_wex_shot IN LISTS WEX_POWER_SCREENSHOT_FILES)
        get_filename_component(_wex_name "${_wex_shot}" NAME)
        get_filename_component(_wex_caption "${_wex_shot}" NAME_WE)
        string(REPLACE "-" " " _wex_caption "${_wex_caption}")
        string(SUBSTRING "${_wex_caption}" 0 1 _wex_first)
        string(SUBSTRING "${_wex_caption}" 1 -1 _wex_rest)
        string(TOUPPER "${_wex_first}" _wex_first)
        string(APPEND WEX_POWER_METAINFO_SCREENSHOTS
            "    <screenshot${_wex_type}>\n"
            "      <caption>${_wex_first}${_wex_rest}</caption>\n"
            "      <image>${_wex_base}/${_wex_name}</image>\n"
            "    </screenshot>\n")
        set(_wex_type "")
    endforeach()
    string(APPEND WEX_POWER_METAINFO_SCREENSHOTS "  </screenshots>\n")
endif()

set(WEX_POWER_METAINFO_URLS "")
if(WEX_POWER_HOMEPAGE)
    set(WEX_POWER_METAINFO_URLS "  <url type=\"homepage\">${WEX_POWER_HOMEPAGE}</url>\n")
endif()

set(_wex_data "${PROJECT_BINARY_DIR}/data")
configure_file(data/wex-power.desktop.in "${_wex_data}/${WEX_POWER_DESKTOP_ID}" @ONLY)
configure_file(data/wex-power-autostart.desktop.in "${_wex_data}/autostart/${WEX_POWER_DESKTOP_ID}" @ONLY)
configure_file(data/wex-power.metainfo.xml.in "${_wex_data}/${WEX_POWER_APPSTREAM_ID}.metainfo.xml" @ONLY)
configure_file(data/copyright.in "${_wex_data}/copyright" @ONLY)
configure_file(data/changelog.Debian.in "${_wex_data}/changelog.Debian" @ONLY)
configure_file(data/wex-power.1.in "${_wex_data}/wex-power.1" @ONLY)

# Debian wants the changelog and the manual page compressed to the maximum
# and without a time stamp in the gzip header (gzip -n).
find_program(WEX_GZIP gzip REQUIRED)
foreach(_wex_plain changelog.Debian wex-power.1)
    add_custom_command(OUTPUT "${_wex_data}/${_wex_plain}.gz"
        COMMAND "${WEX_GZIP}" -9nc "${_wex_data}/${_wex_plain}" > "${_wex_data}/${_wex_plain}.gz"
        DEPENDS "${_wex_data}/${_wex_plain}"
        COMMENT "Compressing ${_wex_plain}"
        VERBATIM)
    list(APPEND _wex_compressed "${_wex_data}/${_wex_plain}.gz")
endforeach()
add_custom_target(wex-power-data ALL DEPENDS ${_wex_compressed})

install(FILES "${_wex_data}/${WEX_POWER_DESKTOP_ID}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${_wex_data}/${WEX_POWER_APPSTREAM_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES data/wex-power.svg DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${_wex_data}/wex-power.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${_wex_data}/copyright" "${_wex_data}/changelog.Debian.gz"
    DESTINATION "${CMAKE_INSTALL_DOCDIR}")
install(FILES data/wex-power.lintian-overrides DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides"
    RENAME wex-power)
if(WEX_POWER_SCREENSHOT_FILES)
    install(FILES ${WEX_POWER_SCREENSHOT_FILES} DESTINATION "${CMAKE_INSTALL_DATADIR}/wex-power/screenshots")
endif()

# The autostart entry belongs in the system configuration folder, which for
# the prefix /usr is /etc (as GNUInstallDirs has it), and <prefix>/etc for
# any other. The prefix is only known at install time (cmake --install
# --prefix), so the choice is made then; file(INSTALL) adds DESTDIR.
install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
        set(_wex_sysconf \"/etc\")
    else()
        set(_wex_sysconf \"\${CMAKE_INSTALL_PREFIX}/etc\")
    endif()
    file(INSTALL DESTINATION \"\${_wex_sysconf}/xdg/autostart\" TYPE FILE
         FILES \"${_wex_data}/autostart/${WEX_POWER_DESKTOP_ID}\")
")

# The Debian package.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "wex-power")
set(CPACK_PACKAGE_VENDOR "${WEX_POWER_AUTHORS}")
set(CPACK_PACKAGE_CONTACT "${WEX_POWER_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${WEX_POWER_DEBIAN_UPSTREAM}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop power manager for batteries and UPSes")
# Lines of the long description stay under 80 columns (CPack keeps them).
set(CPACK_PACKAGE_DESCRIPTION
"Power management shows the batteries and uninterruptible power supplies
that UPower reports, one page each with charge, state and remaining time,
and keeps an icon in the system tray that tells when line power is lost or
comes back.

For every battery it can shut the machine down, hibernate or suspend when
the charge drops below a chosen level, and each of these actions can be
scheduled at a time of day. It starts with the desktop session.")
# Install with DESTDIR and the prefix /usr (whatever CMAKE_INSTALL_PREFIX the
# build has), so that the autostart entry lands in /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME "wex-power")
set(CPACK_DEBIAN_PACKAGE_VERSION "${WEX_POWER_DEBIAN_UPSTREAM}")
if(WEX_POWER_DEBIAN_REVISION)
    set(CPACK_DEBIAN_PACKAGE_RELEASE "${WEX_POWER_DEBIAN_REVISION}")
endif()
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${WEX_POWER_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "admin")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues, for the texts Qt shows (dialog buttons and the like)
# in the user's language beside the program's own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "upower, qttranslations5-l10n")
if(WEX_POWER_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${WEX_POWER_HOMEPAGE}")
endif()
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
# Files under /etc are the administrator's: dpkg keeps their changes.
file(CONFIGURE OUTPUT "${_wex_data}/conffiles" CONTENT "/etc/xdg/autostart/${WEX_POWER_DESKTOP_ID}\n" @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${_wex_data}/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
