#include "app/ui/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <map>

#include "app/ui/ClassicStyle.h"
#include "app/ui/Dialog.h"
#include "app/ui/DialogUnits.h"
#include "app/ui/DialogWindow.h"
#include "app/ui/KeyRouter.h"
#include "app/ui/LayerResources.h"

namespace ui {

namespace {

struct State {
    std::map<int, std::vector<IconFile>> icons;
    std::map<int, std::u16string> strings;
    Dialog* mainWindow = nullptr;
    MessageBoxHandler messageBoxHandler;
    UrlOpener urlOpener;
};

State& Global() {
    static State state;
    return state;
}

int ShowRealMessageBox(const MessageBoxRequest& request) {
    QWidget* owner = request.owner != nullptr ? request.owner->Window() : nullptr;
    QMessageBox box(owner != nullptr ? owner->window() : nullptr);
    box.setFont(ShellFont());
    box.setWindowTitle(QString::fromStdU16String(request.caption));
    box.setText(QString::fromStdU16String(request.text));
    box.setIcon((request.style & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? QMessageBox::Warning
                                                                           : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
    return IDOK;
}

}  // namespace

QFont ShellFont() {
    QFont font(QString::fromStdU16String(FamilyForFace(u"MS Shell Dlg")));
    font.setPixelSize(PointsToPixels(9));
    return font;
}

void InitializeUi() {
    // One style everywhere, so a dialog looks the same on every desktop.
    QApplication::setStyle(new ClassicStyle);
    // The main window's face is the default, so start-up opens one font file;
    // boxes and menus ask for the shell font themselves.
    QFont font(QString::fromStdU16String(FamilyForFace(u"宋体")));
    font.setPixelSize(PointsToPixels(9));
    QApplication::setFont(font);
    static KeyRouter router;
    qApp->removeEventFilter(&router);
    qApp->installEventFilter(&router);
}

std::u16string FamilyForFace(std::u16string_view face) {
    // The templates name Windows faces; Noto CJK stands in for both, the serif
    // cut for SimSun ("宋体") and the sans cut for the shell dialog font.
    if (face == u"宋体" || face == u"SimSun") {
        return u"Noto Serif CJK SC";
    }
    return u"Noto Sans CJK SC";
}

void RegisterIcon(int id, std::vector<IconFile> files) {
    Global().icons[id] = std::move(files);
}

QIcon IconFor(int id) {
    QIcon icon;
    const auto it = Global().icons.find(id);
    if (it != Global().icons.end()) {
        for (const IconFile& file : it->second) {
            // With its size given, a file is decoded only when drawn.
            icon.addFile(QString::fromStdU16String(file.path), QSize(file.size, file.size));
        }
    }
    return icon;
}

void RegisterString(int id, std::u16string text) {
    Global().strings[id] = std::move(text);
}

std::u16string LoadString(int id) {
    const auto it = Global().strings.find(id);
    return it != Global().strings.end() ? it->second : std::u16string();
}

void SetMainWindow(Dialog* dialog) {
    Global().mainWindow = dialog;
}

Dialog* MainWindow() {
    return Global().mainWindow;
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Global().messageBoxHandler = std::move(handler);
}

int ShowMessageBox(const MessageBoxRequest& request) {
    if (Global().messageBoxHandler) {
        return Global().messageBoxHandler(request);
    }
    return ShowRealMessageBox(request);
}

void SetUrlOpener(UrlOpener opener) {
    Global().urlOpener = std::move(opener);
}

void OpenUrl(const std::u16string& url) {
    if (Global().urlOpener) {
        Global().urlOpener(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdU16String(url)));
}

}  // namespace ui
