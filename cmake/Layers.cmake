# The program's folders depend one way, app -> ui -> {compare, trainer}: a target
# of a lower folder that links one of a higher folder's is a configure error.
function(sorvane_check_layer folder)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(links ${target} LINK_LIBRARIES)
    foreach(link IN LISTS links)
      if(TARGET ${link})
        # Whole paths, so the folder the checkout itself lies in never matches.
        get_target_property(home ${link} SOURCE_DIR)
        foreach(higher IN LISTS ARGN)
          if(home STREQUAL "${CMAKE_SOURCE_DIR}/${higher}")
            message(FATAL_ERROR "${folder}/ target ${target} links ${link} of ${higher}/: "
              "the folders depend one way, app -> ui -> {compare, trainer}")
          endif()
        endforeach()
      endif()
    endforeach()
  endforeach()
endfunction()

sorvane_check_layer(compare ui app)
if(WIN32)
  sorvane_check_layer(trainer ui app)
  sorvane_check_layer(ui app)
endif()
