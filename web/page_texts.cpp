// The web page's own texts, those the desktop program does not have. The
// page is JavaScript, which the translation tool does not read: listed here,
// they reach the Qt Linguist files under the context "Web", and the site's
// build turns their translations into the page's i18n/LANG.json. The page
// looks each one up by this exact English text.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tabrix::web {

[[maybe_unused]] constexpr const char* kPageTexts[] = {
    QT_TRANSLATE_NOOP("Web", "Menu"),
    QT_TRANSLATE_NOOP("Web", "Close"),
    QT_TRANSLATE_NOOP("Web", "OK"),
    QT_TRANSLATE_NOOP("Web", "Settings"),
    QT_TRANSLATE_NOOP("Web", "Install"),
    QT_TRANSLATE_NOOP("Web", "Save as text"),
    QT_TRANSLATE_NOOP("Web", "Keep the calculator after a reload"),
    QT_TRANSLATE_NOOP("Web", "Vibrate on key press"),
    QT_TRANSLATE_NOOP("Web", "Delete clears X; Escape clears the stack and the registers and keeps the modes. "
                             "Menu > Settings changes the keyboard keys."),
    QT_TRANSLATE_NOOP("Web", "The browser does not let the page read the clipboard: paste the text here."),
    QT_TRANSLATE_NOOP("Web", "The browser did not let the page copy."),
    QT_TRANSLATE_NOOP("Web", "The calculator of the last visit could not be read; it is kept aside as %1."),
    QT_TRANSLATE_NOOP("Web", "The calculator could not start: %1"),
    QT_TRANSLATE_NOOP("Web", "None: the program runs."),
    QT_TRANSLATE_NOOP("Web", "There is a program %1 already."),
    QT_TRANSLATE_NOOP("Web", "\u201C%1\u201D is no program name: a letter, then letters, digits or _, 32 at most."),
    QT_TRANSLATE_NOOP("Web", "Delete the program %1?"),
    QT_TRANSLATE_NOOP("Web", "Tokens that complete the word; Tab takes the first."),
    QT_TRANSLATE_NOOP("Web", "Stop"),
    QT_TRANSLATE_NOOP("Web", "Copied"),
    QT_TRANSLATE_NOOP("Web", "Saved"),
    QT_TRANSLATE_NOOP("Web", "Saved as %1"),
    QT_TRANSLATE_NOOP("Web", "Share"),
    QT_TRANSLATE_NOOP("Web", "Share X"),
    QT_TRANSLATE_NOOP("Web", "A new version of Tabrix is ready."),
    QT_TRANSLATE_NOOP("Web", "Reload"),
    QT_TRANSLATE_NOOP("Web", "Stack"),
    QT_TRANSLATE_NOOP("Web", "Tap a line to put its value in X."),
};

}  // namespace tabrix::web
