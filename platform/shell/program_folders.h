#pragma once

#include <QString>

// Where the programs find their module, libraries and templates. In a build
// tree (and a folder installed as built) everything sits beside the program;
// in an installed system the libraries live in the private library folder and
// the templates in the data folder, both found relative to the program so an
// unpacked package works from any root.
namespace shell::folders {

// The folder holding the bundled module (no trailing slash).
QString moduleFolder();

// The folder holding "Templates/", with a trailing slash: the program path the
// host gives to the module.
QString dataFolder();

} // namespace shell::folders
