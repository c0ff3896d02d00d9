# Copies the example documents (*.qvd of ORIGEN) into DESTINO where no file of that name
# exists: a rebuild never undoes a user's edit to an example. Used by the configure step
# and, as `cmake -DORIGEN=... -DDESTINO=... -P copia_ejemplos.cmake`, by its test.
function(oscilab_copia_ejemplos origen destino)
  file(GLOB ejemplos ${origen}/*.qvd)
  file(MAKE_DIRECTORY ${destino})
  foreach(ejemplo IN LISTS ejemplos)
    get_filename_component(nombre ${ejemplo} NAME)
    if(NOT EXISTS ${destino}/${nombre})
      file(COPY ${ejemplo} DESTINATION ${destino})
    endif()
  endforeach()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  oscilab_copia_ejemplos(${ORIGEN} ${DESTINO})
endif()
