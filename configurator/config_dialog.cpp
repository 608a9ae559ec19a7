// ConfigDialog: construction, start-up, options, radio groups, sliders, and
// the OK, Cancel and Reset to Defaults buttons.
#include "configurator/config_dialog.h"

#include "art/resource_catalog.h"
#include "configurator/program_sounds.h"

namespace {

// Size of the knob picture in client pixels.
constexpr int kKnobWidth = 9;
constexpr int kKnobHeight = 17;

HBITMAP LoadProgramPicture(int id, int width, int height) {
  return static_cast<HBITMAP>(
      LoadImageA(Dialog::ProgramInstance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION));
}

BYTE AsFlagByte(int flag) { return flag == 1 ? 1 : 0; }

// Dot controls of the radio groups, option by option.
const WORD kSoundDotIds[] = {IDC_DOT_SOUND_OFF, IDC_DOT_SOUND_MOVEMENT};
const WORD kAnimationDotIds[] = {IDC_DOT_ANIMATION_FIRST, IDC_DOT_ANIMATION_FIRST + 1, IDC_DOT_ANIMATION_FIRST + 2,
                                 IDC_DOT_ANIMATION_FIRST + 3, IDC_DOT_ANIMATION_FIRST + 4};
const WORD kHeaderDotIds[] = {IDC_DOT_HEADER_FIRST, IDC_DOT_HEADER_FIRST + 1, IDC_DOT_HEADER_FIRST + 2,
                              IDC_DOT_HEADER_FIRST + 3, IDC_DOT_HEADER_FIRST + 4};
const WORD kPaceFactorDotIds[] = {IDC_DOT_PACE_FACTOR_FIRST,     IDC_DOT_PACE_FACTOR_FIRST + 1,
                                  IDC_DOT_PACE_FACTOR_FIRST + 2, IDC_DOT_PACE_FACTOR_FIRST + 3,
                                  IDC_DOT_PACE_FACTOR_FIRST + 4, IDC_DOT_PACE_FACTOR_FIRST + 5};
const WORD kScalingDotIds[] = {IDC_DOT_SCALING_FIRST, IDC_DOT_SCALING_FIRST + 1, IDC_DOT_SCALING_FIRST + 2};
static_assert(sizeof kPaceFactorDotIds / sizeof kPaceFactorDotIds[0] == ConfigDialog::kPaceFactorOptions,
              "a dot for every factor");
static_assert(sizeof kScalingDotIds / sizeof kScalingDotIds[0] == ConfigDialog::kScalingOptions,
              "a dot for every scaling mode");

// Knob tracks: left end of the knob at value 0, and the knob's top.
const int kTrackLeft[] = {141, 141, 141, 148};
const int kKnobTop[] = {31, 54, 77, 342};

// The knob of a slider at a value of 0..20, in client pixels.
RECT KnobRectangle(int slider, int value) {
  const int x = kTrackLeft[slider - 1] + static_cast<int>(value * 5.5);
  const int y = kKnobTop[slider - 1];
  return {x, y, x + kKnobWidth, y + kKnobHeight};
}

int ClampToTrack(int value) { return value < 0 ? 0 : (value > 20 ? 20 : value); }

}  // namespace

const ConfigDialog::OptionControl ConfigDialog::kOptionControls[kOptionCount] = {
    {IDC_RANDOM_GAME_ORDER, IDC_MARK_RANDOM_GAME_ORDER, &ConfigDialog::randomGameOrder},
    {IDC_AUTOPLAY, IDC_MARK_AUTOPLAY, &ConfigDialog::autoplay},
    {IDC_WINDOWED_MODE, IDC_MARK_WINDOWED_MODE, &ConfigDialog::windowedMode},
    {IDC_HIGHLIGHT_MOVES, IDC_MARK_HIGHLIGHT_MOVES, &ConfigDialog::highlightMoves},
    {IDC_WAIT_FOR_ANNOUNCEMENTS, IDC_MARK_WAIT_FOR_ANNOUNCEMENTS, &ConfigDialog::waitForAnnouncements},
    {IDC_SCROLL_FOREVER, IDC_MARK_SCROLL_FOREVER, &ConfigDialog::scrollAnnouncementsForever},
    {IDC_REMOVE_HEADER_QUOTES, IDC_MARK_REMOVE_HEADER_QUOTES, &ConfigDialog::removeHeaderQuotes},
    {IDC_HIDE_BLANK_HEADERS, IDC_MARK_HIDE_BLANK_HEADERS, &ConfigDialog::hideBlankHeaderEntries},
    {IDC_USE_RANDOM_LAYOUTS, IDC_MARK_USE_RANDOM_LAYOUTS, &ConfigDialog::useRandomLayouts},
    {IDC_REAL_PACE, IDC_MARK_REAL_PACE, &ConfigDialog::realPace},
    {IDC_SHOW_COMMENTS, IDC_MARK_SHOW_COMMENTS, &ConfigDialog::showComments},
    {IDC_FOLLOW_LIVE_GAMES, IDC_MARK_FOLLOW_LIVE_GAMES, &ConfigDialog::followLiveGames},
};

const CommandRoute<ConfigDialog> ConfigDialog::kCommandRoutes[] = {
    {IDC_RANDOM_GAME_ORDER, IDC_WINDOWED_MODE, &ConfigDialog::OnOptionButton},
    {IDC_HIGHLIGHT_MOVES, IDC_HIGHLIGHT_MOVES, &ConfigDialog::OnOptionButton},
    {IDC_WAIT_FOR_ANNOUNCEMENTS, IDC_USE_RANDOM_LAYOUTS, &ConfigDialog::OnOptionButton},
    {IDC_SOUND_OFF, IDC_SOUND_MOVEMENT, &ConfigDialog::OnSoundButton},
    {IDC_ANIMATION_FIRST, IDC_ANIMATION_FIRST + kAnimationOptions - 1, &ConfigDialog::OnAnimationButton},
    {IDC_HEADER_FIRST, IDC_HEADER_FIRST + kHeaderOptions - 1, &ConfigDialog::OnHeaderButton},
    {IDC_REAL_PACE, IDC_FOLLOW_LIVE_GAMES, &ConfigDialog::OnOptionButton},
    {IDC_PACE_FACTOR_FIRST, IDC_PACE_FACTOR_FIRST + kPaceFactorOptions - 1, &ConfigDialog::OnPaceFactorButton},
    {IDC_SCALING_FIRST, IDC_SCALING_FIRST + kScalingOptions - 1, &ConfigDialog::OnScalingButton},
    {IDC_SAVE_RANDOM_LAYOUT, IDC_SAVE_RANDOM_LAYOUT, &ConfigDialog::OnSaveRandomLayoutButton},
    {IDC_RESET_DEFAULTS, IDC_RESET_DEFAULTS, &ConfigDialog::OnResetDefaultsButton},
};

int ConfigDialog::RadioGroup::Selected() const {
  for (int option = 0; option < optionCount; ++option)
    if (flags[option] == 0) return option;
  return -1;
}

ConfigDialog::ConfigDialog()
    : Dialog(IDD_CONFIG, nullptr),
      soundGroup{soundFlags, soundDots, kSoundOptions, kSoundDotIds},
      animationStyleGroup{animationStyleFlags, animationDots, kAnimationOptions, kAnimationDotIds},
      headerLeftDisplayedGroup{headerLeftDisplayedFlags, headerDots, kHeaderOptions, kHeaderDotIds},
      realPaceFactorGroup{realPaceFactorFlags, paceFactorDots, kPaceFactorOptions, kPaceFactorDotIds},
      scalingModeGroup{scalingModeFlags, scalingDots, kScalingOptions, kScalingDotIds} {
  preview.Clear();
  ReadLayoutsFile(layouts);
  // A library that does not load stays absent: its parts of the miniature
  // show the program's own pictures and its picker does not open.
  piecesLibrary = LoadLibraryA(resource_catalog::kPiecesLibraryFile);
  boardsLibrary = LoadLibraryA(resource_catalog::kBoardsLibraryFile);
  backdropsLibrary = LoadLibraryA(resource_catalog::kBackdropsLibraryFile);
  consolesLibrary = LoadLibraryA(resource_catalog::kConsolesLibraryFile);
  for (int& flag : soundFlags) flag = -1;
  for (int& flag : animationStyleFlags) flag = -1;
  for (int& flag : headerLeftDisplayedFlags) flag = -1;
  for (int& flag : realPaceFactorFlags) flag = -1;
  for (int& flag : scalingModeFlags) flag = -1;
  icon = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_CONFIGURATOR));
}

ConfigDialog::~ConfigDialog() { FreeArtLibraries(); }

void ConfigDialog::FreeArtLibraries() {
  for (HMODULE* library : {&piecesLibrary, &boardsLibrary, &backdropsLibrary, &consolesLibrary}) {
    if (*library != nullptr) FreeLibrary(*library);
    *library = nullptr;
  }
}

void ConfigDialog::BindControls(ControlBinding& controls) {
  for (int option = 0; option < kOptionCount; ++option)
    controls.Bind(kOptionControls[option].markId, optionMarks[option]);
  for (RadioGroup* group :
       {&soundGroup, &animationStyleGroup, &headerLeftDisplayedGroup, &realPaceFactorGroup, &scalingModeGroup})
    for (int option = 0; option < group->optionCount; ++option)
      controls.Bind(group->dotIds[option], group->dots[option]);
  for (int slider = 0; slider < kSliderCount; ++slider) controls.Bind(IDC_KNOB_FIRST + slider, knobs[slider]);
  controls.Bind(IDC_COUNTER_HUNDREDS, counterDigits[0]);
  controls.Bind(IDC_COUNTER_TENS, counterDigits[1]);
  controls.Bind(IDC_COUNTER_UNITS, counterDigits[2]);
}

BOOL ConfigDialog::OnInitDialog() {
  ApplyDefaults();
  LoadSettingsFile();
  ShowOptionMarks();
  RefreshBinding();
  InvalidatePreview();
  SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  uiReady = 1;
  return TRUE;
}

void ConfigDialog::ApplyDefaults() {
  ShowSettings(SettingsRecord());
  InvalidatePreview();
}

void ConfigDialog::LoadSettingsFile() {
  SettingsRecord record = CurrentSettings();
  ReadSettingsFile(record);
  // Every knob goes where its loaded byte says, even a byte the dialog
  // already holds.
  for (int slider = 1; slider <= kSliderCount; ++slider) SliderByte(slider) = kKnobNotPlaced;
  ShowSettings(record);
}

void ConfigDialog::ShowSettings(const SettingsRecord& record) {
  const signed char sliders[kSliderCount] = {record.moveDelay, record.nextGameDelay, record.firstMoveDelay,
                                             record.pieceSpeed};
  for (int slider = 1; slider <= kSliderCount; ++slider) {
    // The knob goes where the byte says (clamped to the track); the byte
    // itself stays as it is until the user moves the knob.
    SetSlider(slider, sliders[slider - 1]);
    SliderByte(slider) = sliders[slider - 1];
  }
  // A radio byte out of range leaves the group's option as it was.
  if (record.sound < kSoundOptions) SelectRadio(soundGroup, record.sound);
  if (record.animationStyle < kAnimationOptions) SelectRadio(animationStyleGroup, record.animationStyle);
  if (record.headerLeftDisplayed < kHeaderOptions) SelectRadio(headerLeftDisplayedGroup, record.headerLeftDisplayed);
  if (record.scalingMode < kScalingOptions) SelectRadio(scalingModeGroup, record.scalingMode);
  // The factor's byte stays as loaded; one that is none of the factors
  // shows the factor it counts as.
  realPaceFactor = record.realPaceFactor;
  SelectRadio(realPaceFactorGroup, RealPaceFactorChoice(static_cast<uint8_t>(RealPaceFactorOf(realPaceFactor))));

  windowedMode = record.windowedMode;
  reservedFlag = record.reservedFlag;
  useRandomLayouts = record.useRandomLayouts;
  autoplay = record.autoplay;
  highlightMoves = record.highlightMoves;
  scrollAnnouncementsForever = record.scrollAnnouncementsForever;
  randomGameOrder = record.randomGameOrder;
  removeHeaderQuotes = record.removeHeaderQuotes;
  waitForAnnouncements = record.waitForAnnouncements;
  hideBlankHeaderEntries = record.hideBlankHeaderEntries;
  realPace = record.realPace;
  showComments = record.showComments;
  followLiveGames = record.followLiveGames;
  blackPieceSet = static_cast<signed char>(record.blackPieceSet);
  whitePieceSet = static_cast<signed char>(record.whitePieceSet);
  backdropIndex = static_cast<signed char>(record.backdropIndex);
  consoleIndex = static_cast<signed char>(record.consoleIndex);
  boardIndex = static_cast<signed char>(record.boardIndex);
  consoleStyle = static_cast<signed char>(record.consoleStyle);
}

SettingsRecord ConfigDialog::CurrentSettings() const {
  SettingsRecord record;
  record.windowedMode = AsFlagByte(windowedMode);
  record.moveDelay = moveDelay;
  record.nextGameDelay = nextGameDelay;
  record.firstMoveDelay = firstMoveDelay;
  record.pieceSpeed = pieceSpeed;
  record.reservedFlag = AsFlagByte(reservedFlag);
  record.useRandomLayouts = AsFlagByte(useRandomLayouts);
  record.autoplay = AsFlagByte(autoplay);
  record.highlightMoves = AsFlagByte(highlightMoves);
  record.scrollAnnouncementsForever = AsFlagByte(scrollAnnouncementsForever);
  record.randomGameOrder = AsFlagByte(randomGameOrder);
  record.removeHeaderQuotes = AsFlagByte(removeHeaderQuotes);
  record.waitForAnnouncements = AsFlagByte(waitForAnnouncements);
  record.blackPieceSet = static_cast<uint8_t>(blackPieceSet);
  record.whitePieceSet = static_cast<uint8_t>(whitePieceSet);
  record.sound = static_cast<uint8_t>(soundGroup.Selected());
  record.headerLeftDisplayed = static_cast<uint8_t>(headerLeftDisplayedGroup.Selected());
  record.hideBlankHeaderEntries = AsFlagByte(hideBlankHeaderEntries);
  record.animationStyle = static_cast<uint8_t>(animationStyleGroup.Selected());
  record.backdropIndex = static_cast<uint8_t>(backdropIndex);
  record.consoleIndex = static_cast<uint8_t>(consoleIndex);
  record.boardIndex = static_cast<uint8_t>(boardIndex);
  record.consoleStyle = static_cast<uint8_t>(consoleStyle);
  record.realPace = AsFlagByte(realPace);
  record.realPaceFactor = realPaceFactor;
  record.showComments = AsFlagByte(showComments);
  record.scalingMode = static_cast<uint8_t>(scalingModeGroup.Selected());
  record.followLiveGames = AsFlagByte(followLiveGames);
  return record;
}

void ConfigDialog::ShowOptionMarks() {
  for (int option = 0; option < kOptionCount; ++option) {
    int& flag = this->*kOptionControls[option].flag;
    flag = (flag == 1) ? 0 : 1;
    ToggleOption(option);
  }
}

void ConfigDialog::ToggleOption(int option) {
  if (uiReady == 1) PlayProgramWave(IDW_CLICK);
  int& flag = this->*kOptionControls[option].flag;
  HBITMAP mark;
  if (flag == 1) {
    mark = LoadProgramPicture(IDB_MARK_OFF, 12, 12);
    flag = 0;
  } else {
    mark = LoadProgramPicture(IDB_MARK_ON, 12, 12);
    flag = 1;
  }
  optionMarks[option].SetPicture(mark);
}

void ConfigDialog::SelectRadio(RadioGroup& group, int option) {
  if (uiReady == 1) PlayProgramWave(IDW_CLICK);
  for (int other = 0; other < group.optionCount; ++other) {
    group.dots[other].SetPicture(LoadProgramPicture(other == option ? IDB_DOT_ON : IDB_DOT_OFF, 12, 12));
    group.flags[other] = (other == option) ? 0 : 1;
  }
  RefreshBinding();
}

signed char& ConfigDialog::SliderByte(int slider) {
  switch (slider) {
    case 1: return moveDelay;
    case 2: return nextGameDelay;
    case 3: return firstMoveDelay;
    default: return pieceSpeed;
  }
}

void ConfigDialog::SetSlider(int slider, int value) {
  signed char& stored = SliderByte(slider);
  if (static_cast<BYTE>(value) == static_cast<BYTE>(stored)) return;
  knobRect = KnobRectangle(slider, ClampToTrack(stored));
  InvalidateRect(Window(), &knobRect, TRUE);
  stored = static_cast<signed char>(ClampToTrack(static_cast<signed char>(static_cast<BYTE>(value))));
  knobRect = KnobRectangle(slider, stored);
  knobs[slider - 1].MoveTo(knobRect.left, knobRect.top, kKnobWidth, kKnobHeight);
  InvalidateRect(Window(), &knobRect, TRUE);
}

void ConfigDialog::InvalidatePreview() {
  previewDirty = 1;
  InvalidateRect(Window(), &previewRect, FALSE);
}

bool ConfigDialog::OnCommand(WORD controlId, WORD) { return RouteCommand(*this, kCommandRoutes, controlId); }

void ConfigDialog::OnOptionButton(WORD controlId) {
  for (int option = 0; option < kOptionCount; ++option)
    if (kOptionControls[option].buttonId == controlId) ToggleOption(option);
}

void ConfigDialog::OnSoundButton(WORD controlId) { SelectRadio(soundGroup, controlId - IDC_SOUND_OFF); }

void ConfigDialog::OnAnimationButton(WORD controlId) {
  SelectRadio(animationStyleGroup, controlId - IDC_ANIMATION_FIRST);
}

void ConfigDialog::OnHeaderButton(WORD controlId) {
  SelectRadio(headerLeftDisplayedGroup, controlId - IDC_HEADER_FIRST);
}

void ConfigDialog::OnPaceFactorButton(WORD controlId) {
  const int choice = controlId - IDC_PACE_FACTOR_FIRST;
  SelectRadio(realPaceFactorGroup, choice);
  realPaceFactor = kRealPaceFactors[choice];
}

void ConfigDialog::OnScalingButton(WORD controlId) { SelectRadio(scalingModeGroup, controlId - IDC_SCALING_FIRST); }

void ConfigDialog::OnSaveRandomLayoutButton(WORD) { SaveRandomLayout(); }

void ConfigDialog::OnResetDefaultsButton(WORD) {
  if (uiReady == 1) PlayProgramWave(IDW_CLICK);
  if (resetBusy != 0) return;
  resetBusy = 1;
  uiReady = 0;
  ApplyDefaults();
  ShowOptionMarks();
  RefreshBinding();
  uiReady = 1;
  resetBusy = 0;
}

void ConfigDialog::OnOK() {
  RefreshBinding();
  WriteSettingsFile(CurrentSettings());
  FreeArtLibraries();
  Close(IDOK);
}
