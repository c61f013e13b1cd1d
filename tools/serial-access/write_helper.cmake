# Writes the serial-access helper with its version, the path of its installed copy and the
# udev rule filled in. Used when configuring (the build's copy) and when installing (the
# installed copy, whose path follows the prefix given to the install).
function(tavro_write_serial_access template rules version installed output)
    file(READ "${rules}" TAVRO_UDEV_RULES)
    string(STRIP "${TAVRO_UDEV_RULES}" TAVRO_UDEV_RULES)
    # The script holds the rule in single quotes.
    if(TAVRO_UDEV_RULES MATCHES "'")
        message(FATAL_ERROR "${rules} must not contain a single quote")
    endif()
    set(TAVRO_VERSION "${version}")
    set(TAVRO_SERIAL_ACCESS_PATH "${installed}")
    configure_file("${template}" "${output}" @ONLY
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()
