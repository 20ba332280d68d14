#include "NumberedTexts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using Row = std::pair<int, std::string_view>;

// Sorted by id.
constexpr std::array kTexts{
    Row{101, "Must be a number greater than 10 and not 100."},
    Row{102, "There must be a picture open and visible in the Picture Editor window."},
    Row{103, "Must be a number between 5 and 100. Recommended range is 70 to 95."},
    Row{104, "Error saving file."},
    Row{105, "File exists. Replace it?"},
    Row{107, R"(<HTML><HEAD><TITLE></TITLE></HEAD><BODY BGCOLOR="#FFFFFF" TEXT="#000000"></BODY></HTML>)"},
    Row{108, "There is no page element currently selected."},
    Row{110, "Selected item must be a text block or image. It cannot be a partial text selection"},
    Row{111, "No suitable element found (text block or image) to switch with."},
    Row{113, "In order to make a link you must first select the text that will show as a link."},
    Row{114, "Select folder to make giftlet file."},
    Row{115, "Error. Folder does not exist."},
    Row{116,
        "No custom icon has been assigned or the assignment is invalid. To use this option click the Custom "
        "button and assign an icon."},
    Row{124, "This icon will be used when you select the Custom option for default giftlet file icon."},
    Row{125, "This will discard current work if not already saved as a saved project. Proceed?"},
    Row{126, "Select folder to make giftlet file."},
    Row{128, "Unknown error creating giftlet file."},
    Row{129,
        "Error. Unable to make compressed file section of giftlet file. This may occur if the program is not "
        "running from C drive."},
    Row{130,
        "Error. Unable to make executable section of giftlet file. Try re-assigning giftlet file icon in "
        "Settings."},
    Row{131,
        "Error. Unable to assemble giftlet file in destination folder. This may occur if the program is not "
        "running from C drive. In some cases this could also happen when using pictures from another drive. "
        "Try removing such pictures from the project, then move them to C drive and re-insert them."},
    Row{132, "Error. No page files found to make giftlet file."},
    Row{133, "Error. Custom icon assignment for giftlet file is not valid."},
    Row{134,
        "Error. Unable to make giftlet due to open file. This may happen if a sound file is playing while "
        "giftlet file is being made."},
    Row{135, R"(<DIV ALIGN="center"><FONT FACE="arial,helvetica" SIZE=3><A HREF=")"},
    Row{136, "There is not currently a fully finished email to save."},
    Row{137, "There are no saved projects."},
    Row{138, "No project is selected."},
    Row{140, "Table width and height must be entered as number of pixels."},
    Row{141, "A file for this theme was not found. "},
    Row{142, " should be in the program samples subfolder."},
    Row{143, R"(<IMG SRC="hearttop.gif" ID="heartpic" WIDTH=400 HEIGHT=80 ALIGN="center">)"},
    Row{145, "The help file is missing. pls2.hlp should be in the PLS program folder."},
    Row{146, "Error opening the help file. Try to open pls2.hlp directly from the program folder."},
    Row{147, "System not ready for network communication."},
    Row{148, "Winsock version 1.1 not supported."},
    Row{149, "A blocking winsock is already in use."},
    Row{150, "The limit on number of winsock tasks has been reached."},
    Row{151, "Error with parameter of WSAStartup call."},
    Row{152, "No Internet connection active. You must be online to send email."},
    Row{153, "Internet connection is via proxy server. Unable to send email via proxy."},
    Row{154, "Server address string missing."},
    Row{156, "From email address missing."},
    Row{157, "Invalid From email address."},
    Row{158, "To email address missing."},
    Row{159, "Invalid To email address."},
    Row{160, "Text of email is missing."},
    Row{161, "Winsock error - Failed to create socket. Error number:"},
    Row{162, "Failed to resolve server IP address."},
    Row{163, "Winsock error - Failed to connect to server. Error number:"},
    Row{164, "Winsock err - Failure with WSAAsyncSelect. Error number:"},
    Row{165, "This is a web greeting message made with Pageloft Studio."},
    Row{166, "It may only be viewed as HTML email, but your email program"},
    Row{167, "does not appear to read HTML format."},
    Row{168,
        "The From email address, To email address and server address are all required to send an email. See "
        "help for details."},
    Row{169,
        "Pageloft Studio also provides several ways to use the webpages that you make. (See next topic.)"},
    Row{170, "Pageloft Studio makes webpages. You don't need any experience. PLS makes it simple. "},
    Row{171,
        R"(First, you can create one or more webpages and use PLS to create a "giftlet" from them. That is, PLS will put them all into a single, compressed file, along with any pictures that you have used. A giftlet file is like a self-contained, self-opening website. For example, you can send it in email and the recipient can open it to see all of the webpages inside.)"},
    Row{172, "Second, you can email a webpage as HTML email, directly from PLS."},
    Row{173, "Third, you can use PLS as a webpage editor, saving your webpages as HTML files. When you save "
             "a webpage "
             "file in PLS it will also save any pictures that go with the webpage, all in a single folder."},
    Row{174,
        "Just click in the main window and start typing. Use the buttons in the work window to add pictures, "
        "change the background color, etc. Double-click an item in the page to select it. Right-click "
        "selected for more options."},
    Row{175, "The Work Window is the small window at bottom center. It holds the tools for working on a "
             "webpage. You "
             "can raise and lower the Work Window by clicking on its title bar."},
    Row{176, "Themes are preset font/background combinations that can be used to start a webpage."},
    Row{177,
        "Click the Page Properties button in the Work Window. In the Page Properties window you can set page "
        "background color, background picture, default font properties, etc."},
    Row{178, "The default text for the page can be set in the Page Properties window. Also, any section of "
             "text can "
             "be changed by selecting it and then using the Font Controls at top right of the main window. "
             "You can "
             "also edit text as you would in a normal text editor. Just click inside the text block."},
    Row{179,
        R"(To add a picture, click the Picture button in the Work Window. You can then browse for a picture. To remove a picture, double-click to select it, then right-click and click "Cut".)"},
    Row{180,
        "A table is a rectangular frame in a webpage. A table can have its own background color and it can "
        "have "
        "a border if desired. A table can contain pictures and/or text. A table can also be made invisible "
        "by "
        "using the background color of the page. In that case a table is used to help with page layout."},
    Row{181,
        "You can use the Return key and space bar to move things around. You can also select any page "
        "element "
        "by double-clicking it and then use the moving buttons in the Work Window. There are also alignment "
        "options for the page and for the inside of tables. You can do most things you might want to do but "
        "you cannot completely control the layout of webpages. They just do not work that way. HTML, the "
        "code "
        "language that makes webpages work, only provides for general layout. Also, the layout will be "
        "affected by how the page is viewed. For example, you might put two pictures next to each other on "
        "your webpage, but when viewed on a smaller monitor they might appear on top of one another. You "
        "need "
        "to take that into consideration when working on a page."},
    Row{182, "Click the envelope icon on the toolbar to email the current page. Fill in To, From, etc. in "
             "the Email "
             "window and click Send. (Note: You must be online to email a page.)"},
    Row{183, "Click the gift icon on the toolbar to make a package. Select the file name and where the "
             "package file "
             "should be created. Then click OK."},
    Row{184, "The name Project1 cannot be used. It is the default name for unsaved projects."},
    Row{185, "A project is already saved with that name. Replace it?"},
    Row{186, "Enter name for project."},
    Row{187, "Do you want to save this project before closing?"},
    Row{188, "A cropping area must first be defined by dragging the mouse."},
};

static_assert(std::is_sorted(kTexts.begin(), kTexts.end(),
                             [](const Row& a, const Row& b) { return a.first < b.first; }));

} // namespace

std::string_view NumberedText(int id) {
    const auto* it = std::lower_bound(kTexts.begin(), kTexts.end(), id,
                                      [](const Row& row, int key) { return row.first < key; });
    return it != kTexts.end() && it->first == id ? it->second : std::string_view{};
}
