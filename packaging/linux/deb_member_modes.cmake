# Run by cpack once the package is made (CPACK_POST_BUILD_SCRIPTS). CPack writes the three
# members of the .deb's ar container with the builder's umask as their mode; dpkg-deb writes
# 644. Each member header's mode field (8 characters at byte 40 of its 60) becomes 644, so that
# builders with different umasks pack the same bytes.
file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/deb_member_mode "100644  ")
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  file(SIZE ${deb} end)
  set(header 8)  # after "!<arch>\n"
  while(header LESS end)
    file(READ ${deb} fields OFFSET ${header} LIMIT 60)
    string(SUBSTRING "${fields}" 48 10 size)
    string(STRIP "${size}" size)
    math(EXPR mode_at "${header} + 40")
    execute_process(COMMAND dd of=${deb} bs=1 seek=${mode_at} conv=notrunc status=none
      INPUT_FILE ${CPACK_TOPLEVEL_DIRECTORY}/deb_member_mode COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR header "${header} + 60 + ${size} + ${size} % 2")  # members start at even bytes
  endwhile()
endforeach()
