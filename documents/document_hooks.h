#pragma once

namespace documents {

// Installs the trip sheet editor's printing and export methods:
//   "Print"            shows the printed sheet in the host's preview;
//                      with one argument 'file.pdf' writes it there instead
//   "PrintParameters"  the print parameters dialog
//   "ExportToWord"     fills a template chosen from the templates folder and
//                      opens the new document; with two arguments
//                      'template','output' uses that template and writes the
//                      document there without opening it (batch use)
void installSheetMethods();

} // namespace documents
