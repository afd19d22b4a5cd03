#include "GUI/CWindow.h"

#include "GUI/CButton.h"
#include "GUI/CCheckBox.h"
#include "GUI/CStaticText.h"
#include "GUI/SpriteWidget.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CTexture.h"
#include "runtime/EngineGlobals.h"

namespace {
template <typename Child>
void fitInto(Child& child, const CVector2& windowSize) {
    const CVector2 at = CWindow::fitChild(CVector2(child.getX(), child.getY()),
                                          CVector2(child.getWidth(), child.getHeight()), windowSize);
    child.setX(at.x);
    child.setY(at.y);
}
}  // namespace

CWindow::CWindow() = default;

CWindow::CWindow(int left, int top, int right, int bottom, const std::string& backgroundPath, bool stretch, float alpha,
                 int titleBarHeight, int id, bool draggable)
    : draggable(draggable), id(id), titleBarHeight(titleBarHeight) {
    setRect(left, top, right, bottom);
    auto background = std::make_shared<CTexture>(backgroundPath, alpha);
    const CVector2 drawn = fitBackground(CVector2(background->getWidth(), background->getHeight()), size(), stretch);
    background->setWidth(drawn.x);
    background->setHeight(drawn.y);
    images.push_back(std::move(background));
}

CWindow::~CWindow() = default;

CVector2 CWindow::fitChild(const CVector2& at, const CVector2& childSize, const CVector2& windowSize) {
    CVector2 fitted = at;
    if (fitted.x + childSize.x > windowSize.x)
        fitted.x = windowSize.x - childSize.x;
    if (fitted.y + childSize.y > windowSize.y)
        fitted.y = windowSize.y - childSize.y;
    return fitted;
}

CVector2 CWindow::fitBackground(const CVector2& imageSize, const CVector2& windowSize, bool stretch) {
    if (stretch)
        return windowSize;
    return CVector2(windowSize.x < imageSize.x ? windowSize.x : imageSize.x,
                    windowSize.y < imageSize.y ? windowSize.y : imageSize.y);
}

void CWindow::addButton(std::shared_ptr<CButton> button) {
    if (!button)
        return;
    fitInto(*button, size());
    buttons.push_back(std::move(button));
}

void CWindow::addButton(const std::string& prefix, unsigned int frameCount, int x, int y, int eventId) {
    addButton(std::make_shared<CButton>(prefix, frameCount, static_cast<float>(x), static_cast<float>(y), eventId));
}

void CWindow::addCheckBox(std::shared_ptr<CCheckBox> checkBox) {
    if (!checkBox)
        return;
    fitInto(*checkBox, size());
    checkBoxes.push_back(std::move(checkBox));
}

void CWindow::addCheckBox(const std::string& offPrefix, unsigned int offFrames, const std::string& onPrefix,
                          unsigned int onFrames, int x, int y, int eventId) {
    addCheckBox(std::make_shared<CCheckBox>(offPrefix, offFrames, onPrefix, onFrames, static_cast<float>(x),
                                            static_cast<float>(y), eventId));
}

void CWindow::addImage(std::shared_ptr<CTexture> image) {
    if (image)
        images.push_back(std::move(image));
}

void CWindow::addImage(const std::string& path, int x, int y, float alpha) {
    auto image = std::make_shared<CTexture>(path);
    image->setPosX(static_cast<float>(x));
    image->setPosY(static_cast<float>(y));
    image->setAlpha(alpha);
    images.push_back(std::move(image));
}

void CWindow::addStaticText(std::shared_ptr<CStaticText> text) {
    if (text)
        staticTexts.push_back(std::move(text));
}

void CWindow::drawOffset(float dx, float dy) {
    if (visible)
        drawContents(dx, dy, PointerState::current());
}

// The cursor is left to the window manager, which weighs every window's
// wish: a later window switching it here would undo an earlier one's.
void CWindow::update() {
    if (!visible)
        return;
    const PointerState pointer = PointerState::current();
    if (draggable) {
        const WindowDecision decision = decide(pointer);
        overTitleBar = decision.overTitleBar;
        dragging = decision.dragging;
        if (overTitleBar)
            drawTooltip();
        if (dragging)
            moveBy(pointer.dx, pointer.dy);
    }
    drawContents(left, top, pointer);
}

WindowDecision CWindow::decide(const PointerState& pointer) const {
    const bool over = pointer.isOver(left, top, right - left, static_cast<float>(titleBarHeight));
    if (!draggable)
        return {over, false};
    const bool starts = over && pointer.eventTaken && pointer.leftDown;
    // Ending on the button alone: a release taken away from the title bar
    // (the mouse ran ahead of the window) must not leave the window stuck to
    // the mouse.
    return {over, (dragging || starts) && pointer.leftDown};
}

bool CWindow::wantsMoveCursor() const {
    return draggable && (dragging || overTitleBar);
}

// Images first (the background is the first of them), then buttons, check
// boxes and texts, so later kinds are drawn over earlier ones.
void CWindow::drawContents(float dx, float dy, const PointerState& pointer) {
    for (const auto& image : images)
        if (SpriteWidget::isLoaded(*image))
            image->drawAtRgb(dx + image->getPosX(), dy + image->getPosY(), 1.0f, 0.0f, 1.0f, 1.0f, 1.0f);
    for (const auto& button : buttons)
        button->drawOffset(dx, dy, pointer);
    for (const auto& checkBox : checkBoxes)
        checkBox->drawOffset(dx, dy, pointer);
    for (const auto& text : staticTexts)
        text->drawOffset(dx, dy);
}

void CWindow::setActive(bool flag) {
    active = flag;
    if (flag)
        visible = true;
}

void CWindow::setVisible(bool flag) {
    visible = flag;
    if (!flag)
        active = false;
}

void CWindow::setRect(int newLeft, int newTop, int newRight, int newBottom) {
    left = static_cast<float>(newLeft);
    top = static_cast<float>(newTop);
    right = static_cast<float>(newRight);
    bottom = static_cast<float>(newBottom);
}

bool CWindow::isMouseOverTitleBar() {
    const bool over = decide(PointerState::current()).overTitleBar;
    if (draggable)
        showMoveCursor(over);
    return over;
}

void CWindow::drawTooltip() { tooltip.draw(); }

void CWindow::drag() {
    const PointerState pointer = PointerState::current();
    moveBy(pointer.dx, pointer.dy);
}

void CWindow::moveBy(int dx, int dy) {
    left += static_cast<float>(dx);
    right += static_cast<float>(dx);
    top += static_cast<float>(dy);
    bottom += static_cast<float>(dy);
}

void CWindow::showMoveCursor(bool over) {
    if (EngineGlobals::graphicsCore)
        EngineGlobals::graphicsCore->useMoveCursor(over);
}

CVector2 CWindow::size() const { return CVector2(right - left, bottom - top); }

void CWindow::setDraggable(bool flag) { draggable = flag; }

bool CWindow::isVisible() const { return visible; }

bool CWindow::isActive() const { return active; }

int CWindow::getId() const { return id; }

void CWindow::setTooltip(const std::string& text, int, const FontColor& colour, float x, float y, int) {
    tooltip.set(text, colour, x, y);
}

void CWindow::setTooltipEnabled(bool flag) { tooltip.setEnabled(flag); }
