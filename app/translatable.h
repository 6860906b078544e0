// Marks an English text meant for people (a star's name, a read-out's
// meaning) for Qt Linguist's lupdate, which knows GUIDE_TR as its
// QT_TRANSLATE_NOOP and GUIDE_TR_N as its QT_TRANSLATE_N_NOOP (given to it
// in CMakeLists.txt). The mark is the text itself: the routines stay free
// of the toolkit, and the window looks the text up in the user's language
// (guide/words.h).
#pragma once

#define GUIDE_TR(context, text) text
// The same for a text with a count in it (%n), which has plural forms.
#define GUIDE_TR_N(context, text) text
