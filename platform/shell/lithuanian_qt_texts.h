#pragma once

class QCoreApplication;

namespace shell {

// Makes Qt's own texts Lithuanian: the default locale (calendar month and day
// names) and the texts Qt's dialogs and buttons show ("Taip", "Ne", "Gerai",
// "Atšaukti", the file and print dialogs). Qt's Lithuanian catalogue is used
// where the system has it; the texts a user meets most come with the program,
// so they are Lithuanian on any system. Numbers and dates keep the program's
// own formats, which do not read the locale. Installing twice does nothing.
void useLithuanianQtTexts(QCoreApplication& app);

} // namespace shell
