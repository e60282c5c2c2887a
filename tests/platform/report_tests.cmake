# The host's report document: lines and tables written to a PDF.
target_sources(platform_tests PRIVATE report/report_document_test.cpp)
