if(EXISTS "${SRC}")
    configure_file("${SRC}" "${DST}" COPYONLY)
endif()
