// Resource and control identifiers of TarnwicketCFG, shared by its resource
// script and its code. Only #define lines: the resource compiler reads it too.
#pragma once

// Dialog templates.
#define IDD_CONFIG               102
#define IDD_PIECE_PICKER         133
#define IDD_BOARD_PICKER         138
#define IDD_BACKDROP_PICKER      141
#define IDD_CONSOLE_PICKER       142
#define IDD_CONSOLE_STYLE_PICKER 182

// The program's own pictures: the skin of the main dialog.
#define IDB_SKIN_DISPLAY_TITLE  176
#define IDB_SKIN_LEFT           177
#define IDB_SKIN_RIGHT_STRIP    178
#define IDB_SKIN_DISPLAY_COLUMN 179

// Radio dots, option marks and the slider knob.
#define IDB_DOT_OFF  199
#define IDB_DOT_ON   200
#define IDB_MARK_OFF 202
#define IDB_MARK_ON  203
#define IDB_KNOB     204

// Stand-in preview pictures for missing art libraries.
#define IDB_OWN_WHITE_PIECES  278
#define IDB_OWN_BOARD         279
#define IDB_OWN_CONSOLE       280
#define IDB_OWN_BACKDROP      281
#define IDB_OWN_CONSOLE_STYLE 282
#define IDB_OWN_BLACK_PIECES  283

// Layout counter digits: 285..293 show 0..8, 284 shows 9, 294 is blank.
#define IDB_DIGIT_NINE  284
#define IDB_DIGIT_ZERO  285
#define IDB_DIGIT_BLANK 294

// The program icon.
#define IDI_CONFIGURATOR 128

// Waves.
#define IDW_CLICK 140
#define IDW_CLOSE 147

// Main dialog: option buttons and their marks.
#define IDC_RANDOM_GAME_ORDER      1128
#define IDC_AUTOPLAY               1129
#define IDC_WINDOWED_MODE          1130
#define IDC_HIGHLIGHT_MOVES        1131
#define IDC_WAIT_FOR_ANNOUNCEMENTS 1134
#define IDC_SCROLL_FOREVER         1135
#define IDC_REMOVE_HEADER_QUOTES   1136
#define IDC_HIDE_BLANK_HEADERS     1137
#define IDC_USE_RANDOM_LAYOUTS     1138

#define IDC_MARK_RANDOM_GAME_ORDER      1117
#define IDC_MARK_AUTOPLAY               1118
#define IDC_MARK_WINDOWED_MODE          1119
#define IDC_MARK_HIGHLIGHT_MOVES        1121
#define IDC_MARK_WAIT_FOR_ANNOUNCEMENTS 1123
#define IDC_MARK_SCROLL_FOREVER         1124
#define IDC_MARK_REMOVE_HEADER_QUOTES   1125
#define IDC_MARK_HIDE_BLANK_HEADERS     1126
#define IDC_MARK_USE_RANDOM_LAYOUTS     1127

// Main dialog: radio buttons and their dots.
#define IDC_SOUND_OFF          1092
#define IDC_SOUND_MOVEMENT     1093
#define IDC_DOT_SOUND_OFF      1091
#define IDC_DOT_SOUND_MOVEMENT 1094

#define IDC_ANIMATION_FIRST     1102  // 1102..1106: no animation .. high jumping
#define IDC_DOT_ANIMATION_FIRST 1097  // 1097..1101

#define IDC_HEADER_FIRST     1112  // 1112..1116: none, date, event, round, site
#define IDC_DOT_HEADER_FIRST 1107  // 1107..1111

// Main dialog: layouts, reset, knobs and counter digits.
#define IDC_SAVE_RANDOM_LAYOUT 1078
#define IDC_RESET_DEFAULTS     1037
#define IDC_KNOB_FIRST         1139  // 1139..1142: knobs of sliders 1..4
#define IDC_COUNTER_HUNDREDS   1144
#define IDC_COUNTER_TENS       1145
#define IDC_COUNTER_UNITS      1146

// Pickers: picture controls and the first choice button of each.
#define IDC_PIECE_PICTURE         1065
#define IDC_BOARD_PICTURE         1141
#define IDC_BACKDROP_PICTURE      1143
#define IDC_CONSOLE_PICTURE       1140
#define IDC_CONSOLE_STYLE_PICTURE 1142

#define IDC_PIECE_CHOICE_BASE          1066  // id = set + 1066, sets 1..42
#define IDC_BOARD_CHOICE_FIRST         1068  // 1068..1083
#define IDC_BACKDROP_CHOICE_FIRST      1072  // 1072..1087
#define IDC_CONSOLE_CHOICE_FIRST       1070  // 1070..1085
#define IDC_CONSOLE_STYLE_CHOICE_FIRST 1143  // 1143..1160

// Pictures of the pickers, in the art libraries.
#define IDB_PIECE_PICKER         306
#define IDB_BOARD_PICKER         307
#define IDB_CONSOLE_PICKER       308
#define IDB_BACKDROP_PICKER      309
#define IDB_CONSOLE_STYLE_PICKER 310
