#pragma once

// The decimal separator of the user's locale, asked of Windows at every call: the number texts'
// separator source for the whole program.
char32_t LocaleDecimalSeparator();
