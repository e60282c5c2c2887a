# Writes the plugin build header (see PluginBuild.cmake); run with cmake -P.
file(GLOB_RECURSE files LIST_DIRECTORIES false ${CONTRACT_DIR}/*.h ${CONTRACT_DIR}/*.cpp)
list(SORT files)
set(digests "${CONTRACT_VERSION}|${COMPILER}|${BUILD_TREE}")
foreach(file IN LISTS files)
  file(RELATIVE_PATH name ${CONTRACT_DIR} ${file})
  file(SHA256 ${file} digest)
  string(APPEND digests "|${name}=${digest}")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING ${digest} 0 16 BUILD_ID)
# configure_file leaves the header untouched when the text is the same.
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
