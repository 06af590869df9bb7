#include "ui/dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QGridLayout>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

#include "document/file_kinds.h"

namespace tw::ui {
namespace {

// A box is sized to its text, and the window manager cuts its title where
// the title bar runs out beside its icon and buttons: a box is made wide
// enough for the title (in the title bar's font, often bold) and about
// five such buttons.
constexpr int kTitleBarButtonsWidth = 5 * 28;

// A label breaks its lines at blanks only, so a path broken across lines
// cannot be told from two: the box is made wide enough for the longest path
// in its text, as far as the screen allows, and then the label keeps it whole.
int PathsWidth(const QMessageBox& box, const QString& text)
{
    int widest = 0;
    const QFontMetrics metrics(box.font());
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (word.contains(u'/'))
            widest = std::max(widest, metrics.horizontalAdvance(word));
    // The label's margins and the room QMessageBox keeps for an icon.
    return widest == 0 ? 0 : widest + 4 * metrics.height();
}

void FitTitleAndPaths(QMessageBox& box, const QString& informative)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int title = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarButtonsWidth;
    const QScreen* screen = box.screen();
    const int room = screen ? screen->availableGeometry().width() * 9 / 10 : title;
    const int width = std::max(title, std::min(PathsWidth(box, informative), room));
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

QtDialogs::~QtDialogs()
{
    // Only a dialog without a parent window is ours to delete.
    for (QFileDialog* dialog : {dlgProject_.data(), dlgBinary_.data()})
        if (dialog && !dialog->parent())
            delete dialog;
}

Dialogs::Answer QtDialogs::ShowMessage(QWidget* parent, const Message& message)
{
    // Before the window is shown (the welcome box) the box stands on its own,
    // centred on the screen rather than on a window nobody sees yet.
    QMessageBox box(parent && parent->isVisible() ? parent : nullptr);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(message.Title);
    box.setTextFormat(Qt::PlainText);
    // A label would show a CR as a stray glyph; the break itself is what counts.
    box.setText(QString(message.Text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    if (!message.InformativeText.isEmpty())
        box.setInformativeText(message.InformativeText);
    FitTitleAndPaths(box, message.InformativeText); // once the text is set: it lays the box out anew
    if (message.Choice == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok; // OK, Escape and the close box all mean OK
    }
    // The buttons, the default first, the one Escape presses last.
    std::vector<std::pair<QAbstractButton*, Answer>> buttons;
    const auto add = [&](QMessageBox::StandardButton standard, Answer answer, const QString& text = {}) {
        QAbstractButton* button = box.addButton(standard);
        if (!text.isEmpty())
            button->setText(text);
        buttons.emplace_back(button, answer);
    };
    switch (message.Choice) {
    case Buttons::OkCancel: add(QMessageBox::Ok, Answer::Ok), add(QMessageBox::Cancel, Answer::Cancel); break;
    case Buttons::SaveDiscardCancel:
        add(QMessageBox::Save, Answer::Save), add(QMessageBox::Discard, Answer::Discard), add(QMessageBox::Cancel, Answer::Cancel);
        break;
    case Buttons::ReplaceCancel: add(QMessageBox::Yes, Answer::Replace, QStringLiteral("Replace")), add(QMessageBox::Cancel, Answer::Cancel); break;
    case Buttons::ReloadKeep:
        add(QMessageBox::Yes, Answer::Reload, QStringLiteral("Reload")), add(QMessageBox::No, Answer::Keep, QStringLiteral("Keep"));
        break;
    case Buttons::Ok: break;
    }
    // Return after Ctrl+S must not replace a file by reflex: there Cancel is
    // the default, as in Qt's own file dialog.
    const auto& preferred = message.Choice == Buttons::ReplaceCancel ? buttons.back() : buttons.front();
    box.setDefaultButton(static_cast<QPushButton*>(preferred.first));
    box.setEscapeButton(buttons.back().first);
    box.exec();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button)
            return answer;
    return buttons.back().second;
}

QFileDialog* QtDialogs::ProjectDialog(QWidget* parent)
{
    if (!dlgProject_) {
        dlgProject_ = new QFileDialog(parent);
        dlgProject_->setObjectName(QStringLiteral("dlgProject"));
        dlgProject_->setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    return dlgProject_;
}

std::optional<QString> QtDialogs::ChooseProjectFile(QWidget* parent, FileMode mode, const QString& file)
{
    QFileDialog* dialog = ProjectDialog(parent);
    if (mode == FileMode::Load) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilters(document::LoadFilters()); // the project files first, chosen at start
        dialog->setDefaultSuffix(QString()); // a file is opened by the name it has
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        const document::FileKindInfo& project = document::InfoOf(document::FileKind::Project);
        dialog->setNameFilter(project.Filter);
        // "arrow" is saved as arrow.eap, which Load then lists, as desktop
        // editors add their own extension.
        dialog->setDefaultSuffix(project.Suffixes.first());
    }
    return Choose(dialog, file, lastChosen_);
}

std::optional<QString> QtDialogs::ChooseBinaryFile(QWidget* parent, const QString& file)
{
    if (!dlgBinary_) {
        dlgBinary_ = new QFileDialog(parent, QStringLiteral("Import Shapes"));
        dlgBinary_->setObjectName(QStringLiteral("dlgBinary"));
        dlgBinary_->setAcceptMode(QFileDialog::AcceptOpen);
        dlgBinary_->setFileMode(QFileDialog::ExistingFile);
        // Shapes are in any file: a cartridge, a memory dump, a build.
        dlgBinary_->setNameFilters({QStringLiteral("All files (*)"), document::InfoOf(document::FileKind::CartridgeImage).Filter});
    }
    return Choose(dlgBinary_, file, lastBinary_);
}

std::optional<QString> QtDialogs::Choose(QFileDialog* dialog, const QString& file, QString& last)
{
    if (const QString offered = file.isEmpty() ? last : file; !offered.isEmpty())
        dialog->selectFile(offered);
    const int result = dialog->exec();
    // Return on a typed name that the completion list also offers accepts the
    // dialog but leaves the list up: it would stay over the window and swallow
    // the next click.
    for (QCompleter* completer : dialog->findChildren<QCompleter*>())
        if (completer->popup()->isVisible())
            completer->popup()->hide();
    if (result != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    return last = chosen.first();
}

std::optional<int> QtDialogs::AskNumber(QWidget* parent, const QString& title, const QString& label, int value, int least, int most,
                                        const std::function<QString(int)>& note)
{
    // Digits alone, as many as are typed: a spin box would drop the digit
    // that takes the number out of range, and 999 would be 99 unasked.
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* box = new QLineEdit(QString::number(value), &dialog);
    box->setObjectName(QStringLiteral("numberBox"));
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), box));
    auto* said = new QLabel(&dialog);
    said->setObjectName(QStringLiteral("numberNote"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto check = [&] {
        bool ok = false;
        const int number = box->text().toInt(&ok);
        const bool fits = ok && number >= least && number <= most;
        said->setText(fits ? (note ? note(number) : QString()) : QStringLiteral("Give a whole number from %1 to %2.").arg(least).arg(most));
        said->setForegroundRole(fits ? QPalette::WindowText : QPalette::Highlight);
        buttons->button(QDialogButtonBox::Ok)->setEnabled(fits);
    };
    QObject::connect(box, &QLineEdit::textChanged, &dialog, check);
    check();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(label, &dialog));
    layout->addWidget(box);
    layout->addWidget(said);
    layout->addWidget(buttons);
    box->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return box->text().toInt();
}

std::optional<QString> QtDialogs::ChooseFile(QWidget* parent, FileMode mode, const QString& caption, const QString& filter, const QString& file)
{
    const QString chosen = mode == FileMode::Load ? QFileDialog::getOpenFileName(parent, caption, file, filter)
                                                  : QFileDialog::getSaveFileName(parent, caption, file, filter);
    return chosen.isEmpty() ? std::nullopt : std::optional(chosen);
}

} // namespace tw::ui
