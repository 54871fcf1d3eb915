# zorbel_cross_qt_prefix(<target> <variable>)
# Where scripts/web-qt.sh or scripts/windows-qt.sh installs the Qt it builds for <target> (web,
# windows): under $WEB_QT_DIR or $WINDOWS_QT_DIR where that is set, else in the user's cache,
# as those scripts choose it.
function(zorbel_cross_qt_prefix target variable)
    string(TOUPPER "${target}_QT_DIR" dir_variable)
    if(DEFINED ENV{${dir_variable}})
        set(dir "$ENV{${dir_variable}}")
    elseif(DEFINED ENV{XDG_CACHE_HOME})
        set(dir "$ENV{XDG_CACHE_HOME}/zorbel/${target}-qt")
    else()
        set(dir "$ENV{HOME}/.cache/zorbel/${target}-qt")
    endif()
    set(${variable} "${dir}/install" PARENT_SCOPE)
endfunction()
