// ConfigDialog: the configurator's one main dialog. It holds every setting
// while the program runs, draws the skin's marks, dots, knobs and layout
// counter, the live miniature of the chosen look, opens the art pickers and
// saves random layouts; OK writes the settings file.
#pragma once

#include "platform/win32.h"

#include "common/settings/layout_list.h"
#include "common/settings/settings_record.h"
#include "configurator/framework/dialog.h"
#include "configurator/preview_canvas.h"

class ConfigDialog : public Dialog {
 public:
  static constexpr int kOptionCount = 12;
  static constexpr int kSliderCount = 4;
  static constexpr int kSoundOptions = 2;
  static constexpr int kAnimationOptions = 5;
  static constexpr int kHeaderOptions = 5;
  static constexpr int kPaceFactorOptions = kRealPaceFactorCount;
  static constexpr int kScalingOptions = kScalingModeCount;
  static constexpr int kMaximumLayouts = 999;

  // Parts of the miniature under the pointer (hoverPart).
  enum PreviewPart : short {
    kNoPart = 0,
    kBackdropPart = 1,
    kBoardPart = 2,
    kBlackPiecesPart = 3,
    kWhitePiecesPart = 4,
    kConsoleStylePart = 5,
    kConsolePart = 6,
  };

  // A radio group: one flag per option, 0 for the selected option and 1
  // for the others (-1 before the first selection).
  struct RadioGroup {
    int* flags;
    BitmapStatic* dots;
    int optionCount;
    const WORD* dotIds;

    // Number of the selected option, -1 before the first selection.
    int Selected() const;
  };

  // Reads the layouts file, loads the art libraries and the icon.
  ConfigDialog();
  ~ConfigDialog() override;

  // Shows the default settings record and draws the miniature again.
  void ApplyDefaults();
  void ToggleOption(int option);
  void SelectRadio(RadioGroup& group, int option);
  void SetSlider(int slider, int value);
  void ShowLayoutCount();
  void SaveRandomLayout();

  // Composes the miniature of the current look and draws it on the dialog.
  void ComposePreview(int originX, int originY);

  // Pickers, one per appearance value.
  void OpenBackdropPicker();
  void OpenBoardPicker();
  void OpenBlackPiecePicker();
  void OpenWhitePiecePicker();
  void OpenConsoleStylePicker();
  void OpenConsolePicker();

  // Puts a settings record into the dialog: flags and appearance bytes as
  // they are, each knob where its slider byte says while the byte itself is
  // kept, and each radio byte's option when the byte is in range. The
  // real-pace factor's byte is kept as well; a byte that is none of the
  // factors shows the default factor's dot.
  void ShowSettings(const SettingsRecord& record);
  // The settings as they would be written on OK: flags as 1 or 0, slider,
  // appearance and real-pace factor bytes as held, radio fields as the
  // selected options.
  SettingsRecord CurrentSettings() const;

  // The look that Save Random Layout would store.
  LayoutRecord CurrentLook() const;

  PreviewCanvas preview;

  signed char blackPieceSet = 5;
  signed char whitePieceSet = 2;
  signed char boardIndex = 2;
  signed char backdropIndex = 2;
  signed char consoleIndex = 0;
  signed char consoleStyle = 0;
  // Slider bytes; kKnobNotPlaced until a knob has been placed.
  static constexpr signed char kKnobNotPlaced = 100;
  signed char moveDelay = kKnobNotPlaced;
  signed char nextGameDelay = kKnobNotPlaced;
  signed char firstMoveDelay = kKnobNotPlaced;
  signed char pieceSpeed = kKnobNotPlaced;
  // The real-pace factor's byte: as loaded until the user picks a factor.
  unsigned char realPaceFactor = kDefaultRealPaceFactor;

  // Where the miniature (PreviewCanvas::kWidth x kHeight) is drawn, in window
  // coordinates (the dialog's frame of kDialogFrameWidth pixels included):
  // canvas pixel (x, y) shows at client point (kPreviewClientLeft + x,
  // kPreviewClientTop + y). Then the rectangles invalidated for the preview
  // and a knob.
  static constexpr short kPreviewOriginX = 353;
  static constexpr short kPreviewOriginY = 54;
  static constexpr int kDialogFrameWidth = 3;
  static constexpr int kPreviewClientLeft = kPreviewOriginX - kDialogFrameWidth;
  static constexpr int kPreviewClientTop = kPreviewOriginY + 1 - kDialogFrameWidth;
  short previewOriginX = kPreviewOriginX;
  short previewOriginY = kPreviewOriginY;
  RECT previewRect = {kPreviewOriginX, kPreviewOriginY, kPreviewOriginX + PreviewCanvas::kWidth,
                      kPreviewOriginY + PreviewCanvas::kHeight};
  RECT knobRect = {0, 0, 0, 0};

  short previewDirty = 1;
  short activeSlider = 0;
  short hoverPart = kNoPart;

  HMODULE piecesLibrary = nullptr;
  HMODULE boardsLibrary = nullptr;
  HMODULE backdropsLibrary = nullptr;
  HMODULE consolesLibrary = nullptr;

  LayoutList layouts;

  BitmapStatic optionMarks[kOptionCount];
  BitmapStatic soundDots[kSoundOptions];
  BitmapStatic animationDots[kAnimationOptions];
  BitmapStatic headerDots[kHeaderOptions];
  BitmapStatic paceFactorDots[kPaceFactorOptions];
  BitmapStatic scalingDots[kScalingOptions];
  BitmapStatic knobs[kSliderCount];
  BitmapStatic counterDigits[3];  // hundreds, tens, units

  int autoplay = 0;
  int windowedMode = 0;
  int highlightMoves = 0;
  int scrollAnnouncementsForever = 0;
  int randomGameOrder = 0;
  int removeHeaderQuotes = 0;
  int waitForAnnouncements = 0;
  int reservedFlag = 0;
  int useRandomLayouts = 0;
  int hideBlankHeaderEntries = 0;
  int realPace = 0;
  int showComments = 0;
  int followLiveGames = 0;

  int soundFlags[kSoundOptions];
  int animationStyleFlags[kAnimationOptions];
  int headerLeftDisplayedFlags[kHeaderOptions];
  int realPaceFactorFlags[kPaceFactorOptions];
  int scalingModeFlags[kScalingOptions];
  RadioGroup soundGroup;
  RadioGroup animationStyleGroup;
  RadioGroup headerLeftDisplayedGroup;
  RadioGroup realPaceFactorGroup;  // the choices of kRealPaceFactors
  RadioGroup scalingModeGroup;

  HICON icon = nullptr;
  short uiReady = 0;
  short resetBusy = 0;

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD controlId, WORD notification) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void BindControls(ControlBinding& controls) override;

 private:
  // One option with a mark: its button, its mark control and its flag.
  struct OptionControl {
    WORD buttonId;
    WORD markId;
    int ConfigDialog::*flag;
  };
  static const OptionControl kOptionControls[kOptionCount];
  static const CommandRoute<ConfigDialog> kCommandRoutes[];

  void OnOptionButton(WORD controlId);
  void OnSoundButton(WORD controlId);
  void OnAnimationButton(WORD controlId);
  void OnHeaderButton(WORD controlId);
  void OnPaceFactorButton(WORD controlId);
  void OnScalingButton(WORD controlId);
  void OnSaveRandomLayoutButton(WORD controlId);
  void OnResetDefaultsButton(WORD controlId);

  // Loads the settings file over the defaults already in the dialog.
  void LoadSettingsFile();
  // Shows every option's mark for its flag.
  void ShowOptionMarks();
  void OnPaint();
  void OnLeftButtonDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnLeftButtonUp(int x, int y);
  void UpdateHoverPart(int x, int y);
  void OpenPickerForHoverPart();
  template <class Picker>
  void OpenPicker(HMODULE neededLibrary, signed char& value);
  void InvalidatePreview();
  // The slider's stored byte.
  signed char& SliderByte(int slider);
  // Frees the art libraries that are still loaded.
  void FreeArtLibraries();
};
