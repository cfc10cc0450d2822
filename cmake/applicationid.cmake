# The program's reverse-DNS application id, derived from the publisher's web
# address (the cache variable PLAYFAIR_WEB_ADDRESS), the way freedesktop.org
# and AppStream name applications:
#
#   drop a leading scheme ("https://"), anything from the first "/" or ":",
#   and a leading "www."; lower-case; reverse the dot-separated labels; write
#   "-" as "_" and put "_" before a label that starts with a digit; append
#   ".playfair".
#
#   www.example.org       -> org.example.playfair
#   www.my-school.bg      -> bg.my_school.playfair
#   https://sou7.edu.bg/  -> bg.edu.sou7.playfair
#
# The id names the desktop file (<id>.desktop), the AppStream metainfo
# (<id>.metainfo.xml) and the desktop file name the program reports to the
# desktop (QGuiApplication::setDesktopFileName). Sets PLAYFAIR_APP_ID, and
# PLAYFAIR_WEB_URL, the address as a URL without a trailing "/" (https:// put
# before a bare host name) for the metainfo and the package's homepage.

function(playfair_application_id address out)
    string(TOLOWER "${address}" host)
    string(REGEX REPLACE "^[a-z][a-z0-9+.-]*://" "" host "${host}")
    string(REGEX REPLACE "[/:].*$" "" host "${host}")
    string(REGEX REPLACE "^www\\." "" host "${host}")
    string(REPLACE "-" "_" host "${host}")
    string(REPLACE "." ";" labels "${host}")
    list(REVERSE labels)
    list(TRANSFORM labels REPLACE "^([0-9])" "_\\1")
    list(APPEND labels playfair)
    list(JOIN labels "." id)
    if(NOT id MATCHES "^[a-z_][a-z0-9_]*(\\.[a-z_][a-z0-9_]*)+$")
        message(FATAL_ERROR "Cannot make an application id from the web address \"${address}\" "
                            "(got \"${id}\"); set PLAYFAIR_WEB_ADDRESS to a host name such as www.example.org.")
    endif()
    set(${out} "${id}" PARENT_SCOPE)
endfunction()

playfair_application_id("${PLAYFAIR_WEB_ADDRESS}" PLAYFAIR_APP_ID)
if(PLAYFAIR_WEB_ADDRESS MATCHES "^[A-Za-z][A-Za-z0-9+.-]*://")
    set(PLAYFAIR_WEB_URL "${PLAYFAIR_WEB_ADDRESS}")
else()
    set(PLAYFAIR_WEB_URL "https://${PLAYFAIR_WEB_ADDRESS}")
endif()
string(REGEX REPLACE "/+$" "" PLAYFAIR_WEB_URL "${PLAYFAIR_WEB_URL}")
message(STATUS "Application id: ${PLAYFAIR_APP_ID}")
