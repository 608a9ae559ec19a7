// The resource catalog: the identifier of every picture, sound, icon, dialog
// and control of the two programs and the four art libraries, and the file
// names of the libraries. The resource scripts include it too (windres runs
// the C preprocessor with RC_INVOKED defined), so outside the C++ part at the
// end there are only #define lines. Which identifier a setting's value
// chooses is in art/resource_tables.h.
#pragma once

// The four art libraries, loaded by file name: TARNWICKET_*_LIBRARY ".dll".
#define TARNWICKET_BACKDROPS_LIBRARY "Tarnwicket_Backdroplib"
#define TARNWICKET_BOARDS_LIBRARY    "Tarnwicket_Checkerlib"
#define TARNWICKET_PIECES_LIBRARY    "Tarnwicket_Figurinelib"
#define TARNWICKET_CONSOLES_LIBRARY  "Tarnwicket_Dashlib"

// ---------------------------------------------------------------------------
// Tarnwicket_Backdroplib

// Backdrops of backdrop index 1 to 14 (800 x 600, 24 bits).
#define IDB_BACKDROP_1  112
#define IDB_BACKDROP_2  148
#define IDB_BACKDROP_3  179
#define IDB_BACKDROP_4  180
#define IDB_BACKDROP_5  190
#define IDB_BACKDROP_6  189
#define IDB_BACKDROP_7  191
#define IDB_BACKDROP_8  187
#define IDB_BACKDROP_9  186
#define IDB_BACKDROP_10 185
#define IDB_BACKDROP_11 184
#define IDB_BACKDROP_12 182
#define IDB_BACKDROP_13 181
#define IDB_BACKDROP_14 188
// Backdrop of any index of 15 or more (800 x 600, 8 bits, run-length encoded).
#define IDB_BACKDROP_OTHER 206
// Thumbnails (160 x 120): IDB_BACKDROP_THUMB_BASE + index for 1 to 14.
#define IDB_BACKDROP_THUMB_BASE  510
#define IDB_BACKDROP_THUMB_OTHER 525
// Picture of the backdrop picker (225 x 257, 8 bits).
#define IDB_BACKDROP_PICKER 309
// A board-sized picture (480 x 480) that neither program loads.
#define IDB_BACKDROP_LIBRARY_BOARD 199

// ---------------------------------------------------------------------------
// Tarnwicket_Checkerlib

// Boards of board index 1 to 15 (480 x 480).
#define IDB_BOARD_1  154
#define IDB_BOARD_2  151
#define IDB_BOARD_3  153
#define IDB_BOARD_4  157
#define IDB_BOARD_5  156
#define IDB_BOARD_6  158
#define IDB_BOARD_7  160
#define IDB_BOARD_8  196
#define IDB_BOARD_9  195
#define IDB_BOARD_10 197
#define IDB_BOARD_11 198
#define IDB_BOARD_12 200
#define IDB_BOARD_13 199
#define IDB_BOARD_14 201
#define IDB_BOARD_15 205
// Board of index 0 and of any index above 15.
#define IDB_BOARD_OTHER 142
// Thumbnails (160 x 120): IDB_BOARD_THUMB_BASE + index for 0 to 14.
#define IDB_BOARD_THUMB_BASE  543
#define IDB_BOARD_THUMB_OTHER 558
// Picture of the board picker (225 x 257).
#define IDB_BOARD_PICKER 307

// ---------------------------------------------------------------------------
// Tarnwicket_Figurinelib

// Piece strips of piece sets 1 to 42 (288 x 100: six 48 x 100 cells, pawn,
// rook, knight, bishop, queen, king); set 10 shows IDB_PIECE_SET_OTHER.
#define IDB_PIECE_SET_1  120
#define IDB_PIECE_SET_2  119
#define IDB_PIECE_SET_3  122
#define IDB_PIECE_SET_4  123
#define IDB_PIECE_SET_5  124
#define IDB_PIECE_SET_6  117
#define IDB_PIECE_SET_7  116
#define IDB_PIECE_SET_8  118
#define IDB_PIECE_SET_9  115
#define IDB_PIECE_SET_11 232
#define IDB_PIECE_SET_12 237
#define IDB_PIECE_SET_13 234
#define IDB_PIECE_SET_14 235
#define IDB_PIECE_SET_15 236
#define IDB_PIECE_SET_16 233
#define IDB_PIECE_SET_17 231
#define IDB_PIECE_SET_18 243
#define IDB_PIECE_SET_19 239
#define IDB_PIECE_SET_20 240
#define IDB_PIECE_SET_21 241
#define IDB_PIECE_SET_22 242
#define IDB_PIECE_SET_23 238
#define IDB_PIECE_SET_24 247
#define IDB_PIECE_SET_25 246
#define IDB_PIECE_SET_26 245
#define IDB_PIECE_SET_27 244
#define IDB_PIECE_SET_28 248
#define IDB_PIECE_SET_29 249
#define IDB_PIECE_SET_30 254
#define IDB_PIECE_SET_31 256
#define IDB_PIECE_SET_32 253
#define IDB_PIECE_SET_33 252
#define IDB_PIECE_SET_34 255
#define IDB_PIECE_SET_35 251
#define IDB_PIECE_SET_36 261
#define IDB_PIECE_SET_37 262
#define IDB_PIECE_SET_38 260
#define IDB_PIECE_SET_39 259
#define IDB_PIECE_SET_40 258
#define IDB_PIECE_SET_41 257
#define IDB_PIECE_SET_42 250
// Piece strip of set 0, set 10 and any other set.
#define IDB_PIECE_SET_OTHER 121
// Preview strips (60 x 20, six 10 x 20 cells): IDB_PIECE_PREVIEW_BASE + set
// for sets 1 to 41.
#define IDB_PIECE_PREVIEW_BASE  558
#define IDB_PIECE_PREVIEW_OTHER 600
// Picture of the piece-set picker (630 x 436).
#define IDB_PIECE_PICKER 306

// ---------------------------------------------------------------------------
// Tarnwicket_Dashlib

// Console pictures of console index 1 to 15 (800 x 600, laid colour-keyed
// over the backdrop).
#define IDB_CONSOLE_1  149
#define IDB_CONSOLE_2  203
#define IDB_CONSOLE_3  219
#define IDB_CONSOLE_4  218
#define IDB_CONSOLE_5  216
#define IDB_CONSOLE_6  215
#define IDB_CONSOLE_7  214
#define IDB_CONSOLE_8  213
#define IDB_CONSOLE_9  212
#define IDB_CONSOLE_10 208
#define IDB_CONSOLE_11 211
#define IDB_CONSOLE_12 210
#define IDB_CONSOLE_13 209
#define IDB_CONSOLE_14 207
#define IDB_CONSOLE_15 221
// Console picture of index 0 and of any index above 15.
#define IDB_CONSOLE_OTHER 143
// The frame overlay of the framed console styles (800 x 600).
#define IDB_CONSOLE_OVERLAY 178

// Result-lamp strips (108 x 25: off, won, drawn) by the console style's
// colour 0 to 7 (styles k and k + 9 share a colour).
#define IDB_RESULT_LAMPS_0 222
#define IDB_RESULT_LAMPS_1 230
#define IDB_RESULT_LAMPS_2 224
#define IDB_RESULT_LAMPS_3 225
#define IDB_RESULT_LAMPS_4 226
#define IDB_RESULT_LAMPS_5 227
#define IDB_RESULT_LAMPS_6 228
#define IDB_RESULT_LAMPS_7 229
// Result lamps of colour 8: styles 8, 17 and any other.
#define IDB_RESULT_LAMPS_OTHER 223

// Glyph sheets (512 x 168: codes 32 to 255 in 16 x 24 cells) of console
// styles 0 to 16.
#define IDB_FONT_0  155
#define IDB_FONT_1  173
#define IDB_FONT_2  176
#define IDB_FONT_3  161
#define IDB_FONT_4  171
#define IDB_FONT_5  170
#define IDB_FONT_6  174
#define IDB_FONT_7  175
#define IDB_FONT_8  172
#define IDB_FONT_9  167
#define IDB_FONT_10 165
#define IDB_FONT_11 169
#define IDB_FONT_12 164
#define IDB_FONT_13 163
#define IDB_FONT_14 162
#define IDB_FONT_15 166
#define IDB_FONT_16 168
// Glyph sheet of style 17 and any other.
#define IDB_FONT_OTHER 177

// Thumbnails (160 x 120): IDB_CONSOLE_THUMB_BASE + index for console index
// 0 to 9, IDB_CONSOLE_THUMB_LATE_BASE + index for 10 to 14; the spare one
// between them is never asked for.
#define IDB_CONSOLE_THUMB_BASE      526
#define IDB_CONSOLE_THUMB_SPARE     536
#define IDB_CONSOLE_THUMB_LATE_BASE 527
#define IDB_CONSOLE_THUMB_OTHER     542

// Console-style colour tiles (4 x 5): IDB_STYLE_TILE_BASE + colour 0 to 7.
#define IDB_STYLE_TILE_BASE  601
#define IDB_STYLE_TILE_OTHER 609

// Pictures of the console picker (225 x 257) and the console-style picker (225 x 111).
#define IDB_CONSOLE_PICKER       308
#define IDB_CONSOLE_STYLE_PICKER 310

// ---------------------------------------------------------------------------
// Tarnwicket, the viewer: its own pictures, sounds and icon

// Stand-ins for missing libraries, and the pictures no library holds.
#define IDB_VIEWER_WHITE_PIECES 119  // 288 x 100, cream
#define IDB_VIEWER_BLACK_PIECES 124  // 288 x 100, red
#define IDB_VIEWER_BLANK        152  // 800 x 600, black
#define IDB_VIEWER_BOARD        157  // 480 x 480
#define IDB_VIEWER_HIGHLIGHTS   159  // 450 x 100, two rows of nine frames
#define IDB_VIEWER_FONT         161  // 512 x 168 glyph sheet
#define IDB_VIEWER_BACKDROP     190  // 800 x 600
#define IDB_VIEWER_CONSOLE      203  // 800 x 600
#define IDB_VIEWER_TURN_LAMPS   204  // 60 x 30, two lamps
#define IDB_VIEWER_RESULT_LAMPS 225  // 108 x 25
// Shadow strips (288 x 100) by the piece sets' family of shapes.
#define IDB_VIEWER_SHADOWS_OUTLINES 263
#define IDB_VIEWER_SHADOWS_SYMBOLS  264
#define IDB_VIEWER_SHADOWS_TURNED   265
#define IDB_VIEWER_SHADOWS_MODERN   266

// Sounds: settling ticks, landings, captures and check chimes (three of each,
// chosen at random), the results, castling and the intro tunes.
#define IDW_SETTLE_1   125
#define IDW_SETTLE_2   126
#define IDW_SETTLE_3   127
#define IDW_BLACK_WINS 129
#define IDW_CAPTURE_1  130
#define IDW_CAPTURE_2  131
#define IDW_CAPTURE_3  132
#define IDW_CHECK_1    133
#define IDW_CHECK_2    134
#define IDW_CHECK_3    135
#define IDW_DRAWN      136
#define IDW_LANDING_1  137
#define IDW_LANDING_2  138
#define IDW_LANDING_3  139
#define IDW_WHITE_WINS 140
#define IDW_INTRO      145
#define IDW_INTRO_RARE 146
#define IDW_CASTLING   147

// The window class icon.
#define IDI_VIEWER 32512

// ---------------------------------------------------------------------------
// TarnwicketCFG, the configurator: dialogs, controls, pictures, sounds, icon

// Dialog templates.
#define IDD_CONFIG               102
#define IDD_PIECE_PICKER         133
#define IDD_BOARD_PICKER         138
#define IDD_BACKDROP_PICKER      141
#define IDD_CONSOLE_PICKER       142
#define IDD_CONSOLE_STYLE_PICKER 182

// The skin of the main dialog.
#define IDB_SKIN_DISPLAY_TITLE   176
#define IDB_SKIN_LEFT            177
#define IDB_SKIN_RIGHT_STRIP     178
#define IDB_SKIN_DISPLAY_COLUMN  179
#define IDB_SKIN_WATCHING_COLUMN 180

// Radio dots, option marks and the slider knob.
#define IDB_DOT_OFF  199
#define IDB_DOT_ON   200
#define IDB_MARK_OFF 202
#define IDB_MARK_ON  203
#define IDB_KNOB     204

// The miniature's stand-ins for missing art libraries.
#define IDB_OWN_WHITE_PIECES  278
#define IDB_OWN_BOARD         279
#define IDB_OWN_CONSOLE       280
#define IDB_OWN_BACKDROP      281
#define IDB_OWN_CONSOLE_STYLE 282
#define IDB_OWN_BLACK_PIECES  283

// Layout counter digits: IDB_DIGIT_ZERO + digit for 0 to 8, then 9 and the blank.
#define IDB_DIGIT_NINE  284
#define IDB_DIGIT_ZERO  285
#define IDB_DIGIT_BLANK 294

// The program icon.
#define IDI_CONFIGURATOR 128

// Sounds.
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

#define IDC_ANIMATION_FIRST     1102  // 5 buttons: no animation .. high jumping
#define IDC_DOT_ANIMATION_FIRST 1097  // and their 5 dots

#define IDC_HEADER_FIRST     1112  // 5 buttons: none, date, event, round, site
#define IDC_DOT_HEADER_FIRST 1107  // and their 5 dots

// Main dialog, watching column: option buttons and their marks, and the
// radio buttons of the real-pace factor and the scaling, with their dots.
#define IDC_REAL_PACE         1147
#define IDC_SHOW_COMMENTS     1148
#define IDC_FOLLOW_LIVE_GAMES 1149

#define IDC_MARK_REAL_PACE         1150
#define IDC_MARK_SHOW_COMMENTS     1151
#define IDC_MARK_FOLLOW_LIVE_GAMES 1152

#define IDC_PACE_FACTOR_FIRST     1153  // 6 buttons: 1x, 2x, 5x, 10x, 30x, 60x
#define IDC_DOT_PACE_FACTOR_FIRST 1159  // and their 6 dots

#define IDC_SCALING_FIRST     1165  // 3 buttons: sharp, pixel-perfect, smooth
#define IDC_DOT_SCALING_FIRST 1168  // and their 3 dots

// Main dialog: layouts, reset, knobs and counter digits.
#define IDC_SAVE_RANDOM_LAYOUT 1078
#define IDC_RESET_DEFAULTS     1037
#define IDC_KNOB_FIRST         1139  // 4 knobs, of sliders 1 to 4
#define IDC_COUNTER_HUNDREDS   1144
#define IDC_COUNTER_TENS       1145
#define IDC_COUNTER_UNITS      1146

// Pickers: picture controls and the choice buttons of each.
#define IDC_PIECE_PICTURE         1065
#define IDC_BOARD_PICTURE         1141
#define IDC_BACKDROP_PICTURE      1143
#define IDC_CONSOLE_PICTURE       1140
#define IDC_CONSOLE_STYLE_PICTURE 1142

#define IDC_PIECE_CHOICE_BASE          1066  // id = set + IDC_PIECE_CHOICE_BASE, sets 1 to 42
#define IDC_BOARD_CHOICE_FIRST         1068  // 16 buttons
#define IDC_BACKDROP_CHOICE_FIRST      1072  // 16 buttons
#define IDC_CONSOLE_CHOICE_FIRST       1070  // 16 buttons
#define IDC_CONSOLE_STYLE_CHOICE_FIRST 1143  // 18 buttons

#ifndef RC_INVOKED

namespace resource_catalog {

constexpr char kBackdropsLibraryFile[] = TARNWICKET_BACKDROPS_LIBRARY ".dll";
constexpr char kBoardsLibraryFile[] = TARNWICKET_BOARDS_LIBRARY ".dll";
constexpr char kPiecesLibraryFile[] = TARNWICKET_PIECES_LIBRARY ".dll";
constexpr char kConsolesLibraryFile[] = TARNWICKET_CONSOLES_LIBRARY ".dll";

// All four, in the order of this catalog.
constexpr const char* kArtLibraryFiles[4] = {kBackdropsLibraryFile, kBoardsLibraryFile, kPiecesLibraryFile,
                                             kConsolesLibraryFile};

}  // namespace resource_catalog

#endif  // RC_INVOKED
