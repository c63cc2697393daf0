# The skin engine as a library for other programs: `cmake --install <build>
# --component engine` installs the static libraries platform, graphics and
# skin, the headers a caller includes (in their source folders under
# include/), and a CMake package:
#   find_package(SkinEngine CONFIG REQUIRED)
#   target_link_libraries(app PRIVATE SkinEngine::skin)
# Every other header stays in the source tree.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(SKIN_ENGINE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/SkinEngine)

# skin_engine_install_library(<target> HEADERS <header>...)
# Installs the static library into the package's export set and the headers
# named (relative to the calling CMakeLists.txt) under include/<folder>/, the
# folder being theirs in the source tree, so that the same
# #include "skin/engine/skin_engine.h" works in a caller.
function(skin_engine_install_library target)
  cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
  install(TARGETS ${target} EXPORT SkinEngineTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT engine
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT engine
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT engine
          INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  foreach(header IN LISTS ARG_HEADERS)
    set(path ${CMAKE_CURRENT_SOURCE_DIR}/${header})
    if(NOT EXISTS ${path})
      message(FATAL_ERROR "${target}: public header ${header} does not exist")
    endif()
    file(RELATIVE_PATH from_root ${PROJECT_SOURCE_DIR} ${path})
    get_filename_component(folder ${from_root} DIRECTORY)
    install(FILES ${path} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder} COMPONENT engine)
  endforeach()
endfunction()

# skin_engine_install_package(): the export set and the package files; called
# once every library has been declared.
function(skin_engine_install_package)
  install(EXPORT SkinEngineTargets NAMESPACE SkinEngine::
          DESTINATION ${SKIN_ENGINE_PACKAGE_DIR} COMPONENT engine)
  set(out ${PROJECT_BINARY_DIR}/SkinEngine)
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/SkinEngineConfig.cmake.in
                                ${out}/SkinEngineConfig.cmake
                                INSTALL_DESTINATION ${SKIN_ENGINE_PACKAGE_DIR})
  # The version file also refuses a package built for the other pointer size.
  write_basic_package_version_file(${out}/SkinEngineConfigVersion.cmake
                                   VERSION ${PROJECT_VERSION}
                                   COMPATIBILITY SameMajorVersion)
  install(FILES ${out}/SkinEngineConfig.cmake ${out}/SkinEngineConfigVersion.cmake
          DESTINATION ${SKIN_ENGINE_PACKAGE_DIR} COMPONENT engine)
endfunction()
