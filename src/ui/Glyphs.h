#pragma once

#include <QImage>

// Small button pictures of the logbook windows, drawn rather than loaded.
QImage SearchGlyph();  // a magnifying glass: the main window's two searches
QImage ClearGlyph();   // a cross: the pickers' button that empties the search box
QImage PrinterGlyph(); // a printer: the print button
