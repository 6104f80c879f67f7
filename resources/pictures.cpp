#include "resources/pictures.h"

#include "resources/resource.h"

namespace {

// Drawn for this program; each image is 16 by 16 pixels.
const std::vector<std::string> kPaneImages = {
    "160 16 8 1",
    "g c #00FF00",
    "k c #000000",
    "w c #FFFFFF",
    "y c #FFFF00",
    "Y c #808000",
    "d c #808080",
    "B c #0000FF",
    "R c #C00000",
    "ggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggkkgggggggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "ggggggggggggggggggggggggggggggggggkkkkkkkkkgggggggkkkkkkkkkgggggggkkkkkkkkkggggggggggkwwkggggggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "ggkkkkkgggggggggggkkkkkgggggggggggkwwwwwwwkkggggggkwwwwwwwkkggggggkwwwwwwwkkgggggggggkwwkggggggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwyyyykgggggggggkwyyyykggggggggggkwwwwwwwkwkgggggkwwwwwwwkwkgggggkwwwwwwwkwkggggggggkwwkggggggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkyyyyyykkkkkkgggkyyyyyykkkkkgggggkwwwwwwwkkkkggggkwwwwwwwkkkkggggkwwwwwwwkkkkgggggggkwwkkkggggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwwwwwwwwwwwykggkyyyyyyyyyyykggggkwwwwwwwwwwkggggkwwwwwwwwwwkggggkwwwwwwwwwwkgggggggkwwkwwkkkgggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwyyyyyyyyyyYkggkyyykkkkkkkkkkkggkwdddddwwwwkggggkwwwwkkwwwwkggggkwwwwwwwwwwkgggggkkkwwkwwkwwkggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwyyyyyyyyyyYkggkyykwyyyyyyyyykggkwwwdwwwwwwkggggkwwwwkkwwwwkggggkwwRRRRwwwwkggggkwwkwwwwwkwwkggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwyyyyyyyyyyYkggkykwyyyyyyyyykgggkwwwdBBBBBwkggggkwwwkwwkwwwkggggkwwwwwRRwwwkggggkwwkwwwwwwwwkggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwyyyyyyyyyyYkggkykwyyyyyyyyykgggkwwwdwwBwwwkggggkwwwkwwkwwwkggggkwwRRRRRwwwkgggggkwwwwwwwwwwkggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwyyyyyyyyyyYkggkkwyyyyyyyyykggggkwwwdwwBwwwkggggkwwkkkkkkwwkggggkwRRwwRRwwwkgggggkwwwwwwwwwwkggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkwyyyyyyyyyyYkggkkwyyyyyyyyykggggkwwwdwwBwwwkggggkwwkwwwwkwwkggggkwRRwwRRwwwkggggggkwwwwwwwwkgggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "gkYYYYYYYYYYYYkggkwyyyyyyyyykgggggkwwwwwwBwwwkggggkwkkwwwwkkwkggggkwwRRRwRRwwkggggggkwwwwwwwwkgggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "ggkkkkkkkkkkkkgggkkkkkkkkkkkkgggggkwwwwwwBwwwkggggkwwwwwwwwwwkggggkwwwwwwwwwwkgggggggkwwwwwwkggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "ggggggggggggggggggggggggggggggggggkwwwwwwwwwwkggggkwwwwwwwwwwkggggkwwwwwwwwwwkgggggggkwwwwwwkggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
    "ggggggggggggggggggggggggggggggggggkkkkkkkkkkkkggggkkkkkkkkkkkkggggkkkkkkkkkkkkgggggggkkkkkkkkggggggggggk"
    "kggggggggggggggggggggggggggggggggggggggggggggggggggggggg",
};

const std::vector<std::string> kTrueTypeIcon = {
    "32 32 4 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "c c #0000C0",
    "................................",
    "................................",
    "................................",
    "................................",
    "..kkkkkkkkkkkkkkkk..............",
    "..kkkkkkkkkkkkkkkk..............",
    "..kkkkkkkkkkkkkkkk..............",
    "..kkkkkkkkkkkkkkkk..............",
    "........kkkk....................",
    "........kkkk....................",
    "........kkkkcccccccccccccccccc..",
    "........kkkkcccccccccccccccccc..",
    "........kkkkcccccccccccccccccc..",
    "........kkkkcccccccccccccccccc..",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "........kkkk.......cccc.........",
    "...................cccc.........",
    "...................cccc.........",
    "...................cccc.........",
    "...................cccc.........",
    "................................",
    "................................",
};

const std::vector<std::string> kOtherTypeIcon = {
    "32 32 4 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "c c #C00000",
    "................................",
    "................................",
    "......kkkkkkkkkkkkkkkkkkkk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwcccccccccwwwwwk......",
    "......kwwwwcccccccccwwwwwk......",
    "......kwwwwwwwwwwwccwwwwwk......",
    "......kwwwwwwwwwwwccwwwwwk......",
    "......kwwwwwwwwwwwccwwwwwk......",
    "......kwwwwwwwwwwwccwwwwwk......",
    "......kwwwwcccccccccwwwwwk......",
    "......kwwwwcccccccccwwwwwk......",
    "......kwwwwccwwwwwccwwwwwk......",
    "......kwwwwccwwwwwccwwwwwk......",
    "......kwwwwccwwwwwccwwwwwk......",
    "......kwwwwccwwwwwccwwwwwk......",
    "......kwwwwcccccccccwwwwwk......",
    "......kwwwwcccccccccwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kwwwwwwwwwwwwwwwwwwk......",
    "......kkkkkkkkkkkkkkkkkkkk......",
    "................................",
    "................................",
};

const std::vector<std::string> kMainIcon = {
    "32 32 6 1",
    ". c None",
    "k c #000000",
    "w c #FFFFFF",
    "s c #C0C0C0",
    "B c #000080",
    "r c #C00000",
    "................................",
    "..kkkkkkkkkkkkkkk...............",
    "..kwwwwwwwwwwwwwkk..............",
    "..kwwwwwwwwwwwwwksk.............",
    "..kwwwwwwwwwwwwwkssk............",
    "..kwwwwwwwwwwwwwkssskkkkkkkkkk..",
    "..kwwwwwwwwBwwwwkkkkkksssssssk..",
    "..kwwwwwwwBBBwwwwwwwwksssssssk..",
    "..kwwwwwwwBBBwwwwwwwwksssssssk..",
    "..kwwwwwwwBBBwwwwwwwwkrrrrrrrk..",
    "..kwwwwwwBBBBBwwwwwwwksssrsssk..",
    "..kwwwwwwBBwBBwwwwwwwksssrsssk..",
    "..kwwwwwwBBwBBwwwwwwwksssrsssk..",
    "..kwwwwwBBBwBBBwwwwwwksssrsssk..",
    "..kwwwwwBBwwwBBwwwwwwksssrsssk..",
    "..kwwwwwBBwwwBBwwwwwwksssrsssk..",
    "..kwwwwBBBwwwBBBwwwwwksssrsssk..",
    "..kwwwwBBBwwwBBBwwwwwksssrsssk..",
    "..kwwwwBBBBBBBBBwwwwwksssrsssk..",
    "..kwwwBBBwwwwwBBBwwwwksssrsssk..",
    "..kwwwBBBwwwwwBBBwwwwksssrsssk..",
    "..kwwwBBwwwwwwwBBwwwwksssrsssk..",
    "..kwwBBBwwwwwwwBBBwwwksssssssk..",
    "..kwwBBBwwwwwwwBBBwwwksssssssk..",
    "..kwwBBwwwwwwwwwBBwwwksssssssk..",
    "..kwwBBwwwwwwwwwBBwwwksssssssk..",
    "..kwwwwwwwwwwwwwwwwwwksssssssk..",
    "..kkkkkkkkkkkkkkkkkkkksssssssk..",
    "...........ksssssssssssssssssk..",
    "...........ksssssssssssssssssk..",
    "...........kkkkkkkkkkkkkkkkkkk..",
    "................................",
};

// Bitmap 160: the state images of the Install Font Group dialog's list, 15 pixels wide, pure blue
// (0, 0, 255) marking the transparent pixels: 2 not installed, 3 installed temporarily (a clock
// hand), 4 installed permanently (a check mark); 0 and 1 are empty.
const std::vector<std::string> kInstallStates = {
    "75 15 5 1",
    ". c #0000FF",
    "g c #808080",
    "w c #FFFFFF",
    "o c #C06000",
    "G c #008000",
    "...........................................................................",
    "...........................................................................",
    "................................ggggggggggg....ggggggggggg....ggggggggggg..",
    "................................gwwwwwwwwwg....gwwwwwwwwwg....gwwwwwwwwwg..",
    "................................gwwwwwwwwwg....gwwwwowwwwg....gwwwwwwwwGg..",
    "................................gwwwwwwwwwg....gwwwwowwwwg....gwwwwwwwGGg..",
    "................................gwwwwwwwwwg....gwwwwowwwwg....gwwwwwwGGwg..",
    "................................gwwwwwwwwwg....gwwwwoooowg....gwGwwwGGwwg..",
    "................................gwwwwwwwwwg....gwwwwwwwwwg....gwGGwGGwwwg..",
    "................................gwwwwwwwwwg....gwwwwwwwwwg....gwwGGGwwwwg..",
    "................................gwwwwwwwwwg....gwwwwwwwwwg....gwwwGwwwwwg..",
    "................................gwwwwwwwwwg....gwwwwwwwwwg....gwwwwwwwwwg..",
    "................................ggggggggggg....ggggggggggg....ggggggggggg..",
    "...........................................................................",
    "...........................................................................",
};

const std::vector<std::string> kNone;

} // namespace

const std::vector<std::string>& PictureXpm(unsigned id) {
    switch (id) {
    case IDB_PANE_IMAGES:
        return kPaneImages;
    case IDI_TRUETYPE:
        return kTrueTypeIcon;
    case IDI_OTHER_TYPE:
        return kOtherTypeIcon;
    case IDI_MAINFRAME:
        return kMainIcon;
    case IDB_INSTALL_STATES:
        return kInstallStates;
    default:
        return kNone;
    }
}
