#pragma once

#include <QByteArray>

namespace tivak::artwork {

class DrawingLibrary;

// The program's icons and button glyphs, each as a finished icon file.
QByteArray applicationIcon(const DrawingLibrary &drawings); // a rabbit holding a book
QByteArray pageWindowIcon(const DrawingLibrary &drawings);  // two koi carp
QByteArray aboutWindowIcon();                               // a speech bubble with symbols
QByteArray startGlyph();                                    // a dark red peak over its shadow
QByteArray speakerGlyph();                                  // a loudspeaker with sound waves
QByteArray nextGlyph();                                     // a blue triangle pointing right
QByteArray previousGlyph();                                 // a blue triangle pointing left
QByteArray closeGlyph();                                    // a white cross on a red disc

} // namespace tivak::artwork
