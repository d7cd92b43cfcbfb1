#pragma once
// Texts of the form "question#target" (a travel target asked about first) or "target" alone.
class SString;

// Splits at the first '#': `before` gets the text before it and `after` the text behind it. A text
// without '#' goes to `before` whole, with `after` empty. A text that begins with '#', or a null
// text, leaves both empty.
void SplitPictureName(const char* text, SString& before, SString& after);
