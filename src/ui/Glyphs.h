#pragma once

#include <QImage>

// Small button pictures of the logbook windows, drawn rather than loaded.
QImage SearchGlyph();  // a magnifying glass: the main window's two searches
QImage PrinterGlyph(); // a printer: the print button
