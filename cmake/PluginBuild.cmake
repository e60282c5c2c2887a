# What host and module both compile against to recognise each other: the
# contract version and a build id, in the generated header kelmira/plugin_build.h
# (target plugin_build). The loader refuses a module whose description differs.

# Raised by hand whenever the entry points or the interfaces that cross them
# change in a way an older module could not follow.
set(KELMIRA_CONTRACT_VERSION 2)

# The build id is a digest of the contract's files, the compiler and this build
# tree, so a module from another build (another checkout sharing the library
# registry, an older copy) never loads against this build's contract library.
# It is worked out at build time and the header is rewritten only when it changes.
set(KELMIRA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(KELMIRA_PLUGIN_BUILD_HEADER ${KELMIRA_GENERATED_DIR}/kelmira/plugin_build.h)
file(GLOB_RECURSE KELMIRA_CONTRACT_FILES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/platform/contract/*.h ${PROJECT_SOURCE_DIR}/platform/contract/*.cpp)
add_custom_command(
  OUTPUT ${KELMIRA_PLUGIN_BUILD_HEADER}
  COMMAND ${CMAKE_COMMAND}
          -DCONTRACT_DIR=${PROJECT_SOURCE_DIR}/platform/contract
          -DCONTRACT_VERSION=${KELMIRA_CONTRACT_VERSION}
          -DBUILD_TREE=${CMAKE_BINARY_DIR}
          -DCOMPILER=${CMAKE_CXX_COMPILER_ID}-${CMAKE_CXX_COMPILER_VERSION}
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/cmake/plugin_build.h.in
          -DOUTPUT=${KELMIRA_PLUGIN_BUILD_HEADER}
          -P ${PROJECT_SOURCE_DIR}/cmake/write_plugin_build.cmake
  DEPENDS ${KELMIRA_CONTRACT_FILES}
          ${PROJECT_SOURCE_DIR}/cmake/plugin_build.h.in
          ${PROJECT_SOURCE_DIR}/cmake/write_plugin_build.cmake
  COMMENT "Working out the plugin build id"
  VERBATIM)
add_custom_target(plugin_build_header DEPENDS ${KELMIRA_PLUGIN_BUILD_HEADER})
add_library(plugin_build INTERFACE)
target_include_directories(plugin_build INTERFACE ${KELMIRA_GENERATED_DIR})
add_dependencies(plugin_build plugin_build_header)
