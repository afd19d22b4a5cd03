#pragma once
#include <string>

#include "FontFace.h"
#include "Image.h"

// The GUI's images in one theme that matches the logo: dark navy plates with
// gold rims, white or gold lettering. Sizes fit the sample layout the engine
// test application builds: a window whose title bar is the top 16 rows,
// 150 x 60 buttons, 24 x 24 check boxes and a 400-pixel progress bar.
namespace GuiTheme {

constexpr int windowWidth = 800;
constexpr int windowHeight = 440;
constexpr int titleBarRows = 16;  // rows 0..15: the strip a window is dragged by
constexpr int consoleWidth = 380;
constexpr int consoleHeight = 140;
constexpr int buttonWidth = 150;
constexpr int buttonHeight = 60;
constexpr int powerFrames = 5;
constexpr int checkBoxSize = 24;
constexpr int barWidth = 400;
constexpr int barHeight = 24;

// A movable window's background: the title bar with a grip at its right
// end, a gold rule under it, and the body.
Image window();

// The information console: a translucent dark panel for lines of text.
Image console();

// A menu button with its caption; `lit` is the highlight frame.
Image menuButton(const FontFace& captionFace, const std::string& caption, bool lit);

// The power button's frames 0..powerFrames-1: its lamp lights up from dim to
// bright green as the highlight plays.
Image powerButton(const FontFace& captionFace, int frame);

Image checkBox(bool checked);

// The full bar; the engine shows its left part as the value grows. Five
// segments, one for each fifth.
Image progressBar();

}  // namespace GuiTheme
