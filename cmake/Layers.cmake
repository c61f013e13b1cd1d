# The libraries of src/ from the bottom up. Each may link only those before it, so that
# dependencies point one way: configuring fails on a link against the direction.
set(TAVRO_LAYERS
    tavro_platform tavro_settings tavro_pictures tavro_codes tavro_hotkeys tavro_protocol tavro_link tavro_machine tavro_render
    tavro_document tavro_materials tavro_run tavro_session tavro_cli tavro_ui tavro_shell)

function(tavro_check_layers)
    foreach(library IN LISTS TAVRO_LAYERS)
        list(FIND TAVRO_LAYERS ${library} rank)
        get_target_property(links ${library} LINK_LIBRARIES)
        get_target_property(interface ${library} INTERFACE_LINK_LIBRARIES)
        foreach(dependency IN LISTS links interface)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" dependency "${dependency}")
            list(FIND TAVRO_LAYERS "${dependency}" dependencyRank)
            if(dependencyRank GREATER_EQUAL rank)
                message(FATAL_ERROR "${library} links ${dependency}, which lies above it: the "
                    "libraries depend downwards only, in this order: ${TAVRO_LAYERS}")
            endif()
        endforeach()
    endforeach()
endfunction()
