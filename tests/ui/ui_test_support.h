#pragma once

// Shared by the editor window tests: a scripted stand-in for the message boxes
// and the file dialog, and helpers that drive and read the real widgets.

#include <QAbstractButton>
#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "model/sprite_project.h"
#include "test_support.h"
#include "ui/block_grid.h"
#include "ui/dialogs.h"
#include "ui/frm_tilewright.h"

namespace tw::uitest {

using tw::ui::BlockGrid;
using tw::ui::Dialogs;
using tw::ui::frmTilewright;

struct RecordedMessage {
    QString Title;
    QString Text;
    QString InformativeText;
    Dialogs::Buttons Choice = Dialogs::Buttons::Ok;
    bool WindowVisible = false; // was the window already showing?
};

// Records every question and answers from queues. OK-only boxes always answer
// OK; an OK/Cancel box or a file dialog without a scripted answer is counted
// in Unexpected and cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    QList<RecordedMessage> Messages;
    std::deque<Answer> Answers;
    std::deque<std::optional<QString>> Files;
    QList<FileMode> FileRequests;
    int Unexpected = 0;

    Answer ShowMessage(QWidget* parent, const Message& message) override
    {
        Messages.append({message.Title, message.Text, message.InformativeText, message.Choice,
                         parent && parent->isVisible()});
        if (message.Choice == Buttons::Ok)
            return Answer::Ok;
        if (Answers.empty()) {
            ++Unexpected;
            return Answer::Cancel;
        }
        const Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    std::optional<QString> ChooseProjectFile(QWidget*, FileMode mode) override
    {
        FileRequests.append(mode);
        if (Files.empty()) {
            ++Unexpected;
            return std::nullopt;
        }
        const QString file = Files.front().value_or(QString());
        const bool chosen = Files.front().has_value();
        Files.pop_front();
        return chosen ? std::optional<QString>(file) : std::nullopt;
    }
};

// The project files every suite compares against, as bytes.
inline const QByteArray kWorkedExample = tw::test::Bytes(tw::test::kWorkedExample);
inline const QByteArray kNewProjectFile = tw::test::Bytes(tw::test::kNewProjectFile);

inline constexpr unsigned char kShipRows[8] = {0x18, 0x3C, 0x7E, 0xFF, 0xFF, 0x7E, 0x3C, 0x18};
inline constexpr unsigned char kAlienRows[8] = {0x81, 0x42, 0x3C, 0x5A, 0x7E, 0x24, 0x42, 0x81};

// The colours the screen shows for the eight colour codes.
inline QColor CodeRgb(int code)
{
    static const QColor colours[8] = {QColor(0, 0, 0),       QColor(0, 0, 255),   QColor(255, 0, 0),
                                      QColor(255, 128, 255), QColor(0, 255, 0),   QColor(128, 255, 255),
                                      QColor(255, 255, 0),   QColor(255, 255, 255)};
    return colours[code];
}

inline const QColor kBlack = CodeRgb(0);
inline const QColor kBlue = CodeRgb(1);
inline const QColor kRed = CodeRgb(2);
inline const QColor kGreen = CodeRgb(4);
inline const QColor kYellow = CodeRgb(6);
inline const QColor kWhite = CodeRgb(7);

// The cell colours a sprite drawn from `rows` shows.
inline QList<QColor> Drawn(const unsigned char (&rows)[8], const QColor& set, const QColor& clear)
{
    QList<QColor> colours;
    for (int i = 0; i < 64; ++i)
        colours << ((rows[i / 8] & (0x80 >> (i % 8))) ? set : clear);
    return colours;
}

// A window after start-up, shown, with the welcome box already answered.
struct Editor {
    ScriptedDialogs Script;
    std::unique_ptr<frmTilewright> Window;

    Editor()
    {
        Window = std::make_unique<frmTilewright>(Script);
        Window->Form_Load();
        Window->show();
        if (!QTest::qWaitForWindowExposed(Window.get()))
            qWarning("the editor window was not exposed");
        Script.Messages.clear();
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const
    {
        T* widget = Window->findChild<T*>(name);
        if (!widget)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return widget;
    }

    BlockGrid* Grid(int k) const { return Find<BlockGrid>(QStringLiteral("picSpriteBlock%1").arg(k)); }
    BlockGrid* View() const { return Find<BlockGrid>(QStringLiteral("picThumbNail")); }
    QLineEdit* RowBox(int k, int r) const
    {
        return Find<QLineEdit>(QStringLiteral("rtbSprite%1Hex_%2").arg(k + 1).arg(r));
    }
    QLineEdit* NameBox(int k) const { return Find<QLineEdit>(QStringLiteral("rtbSpriteName_%1").arg(k)); }
    QRadioButton* Option(int code) const { return Find<QRadioButton>(QStringLiteral("optColor_%1").arg(code)); }
    QAbstractButton* Button(const QString& name) const { return Find<QAbstractButton>(name); }
    QAbstractButton* Button(const char* name, int k) const
    {
        return Find<QAbstractButton>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(k));
    }
    QString LabelText(const QString& name) const
    {
        const QLabel* label = Find<QLabel>(name);
        return label ? label->text() : QStringLiteral("<missing>");
    }
    QString Caption() const { return Find<QGroupBox>(QStringLiteral("fmeSpriteGen"))->title(); }
    const SpriteProject& Model() const { return Window->Project(); }

    QStringList Rows(int k) const
    {
        QStringList rows;
        for (int r = 0; r < kRows; ++r)
            rows << RowBox(k, r)->text();
        return rows;
    }

    void ClickBlock(int k, int i) const
    {
        BlockGrid* grid = Grid(k);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(i).center());
    }

    void Click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void Click(const char* name, int k) const { Click(Button(name, k)); }

    // Picks colour code `code` in Color Select with the mouse.
    void Pick(int code) const { Click(Option(code)); }

    // Clicks the blocks whose bits are set in `rows` (the sprite starts clear).
    void DrawRows(int k, const unsigned char (&rows)[8]) const
    {
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                if (rows[r] & (0x80 >> c))
                    ClickBlock(k, r * 8 + c);
    }

    void TypeName(int k, const QString& name) const
    {
        QLineEdit* box = NameBox(k);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, name);
    }

    // Builds the worked example as a user would: colours, names, blocks,
    // then the screen colour.
    void EditWorkedExample() const
    {
        Pick(6);
        Click("cmdSpriteColor", 0);
        Pick(4);
        Click("cmdSpriteColor", 1);
        TypeName(0, QStringLiteral("Ship"));
        TypeName(1, QStringLiteral("Alien"));
        DrawRows(0, kShipRows);
        DrawRows(1, kAlienRows);
        Pick(1);
        Click(Button(QStringLiteral("cmdSetBGnd")));
    }

    void Trigger(const char* actionName) const
    {
        QAction* action = Window->findChild<QAction*>(QLatin1String(actionName));
        if (!action)
            qWarning("no action %s", actionName);
        else
            action->trigger();
    }
};

// What a widget shows at a point, as painted.
inline QColor PixelAt(QWidget* widget, const QPoint& point) { return widget->grab().toImage().pixelColor(point); }

// The painted colour of every cell of a grid, from one rendering.
inline QList<QColor> CellColours(BlockGrid* grid)
{
    const QImage image = grid->grab().toImage();
    QList<QColor> colours;
    for (int i = 0; i < kBlocks; ++i)
        colours << image.pixelColor(grid->CellRect(i).center());
    return colours;
}

inline QList<QColor> Repeat(const QColor& colour, int count = kBlocks) { return QList<QColor>(count, colour); }

// Everything the window shows and everything the model holds, for "nothing
// changed" checks.
struct Snapshot {
    QStringList Texts;
    QList<QImage> Images;
    QString Model;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

inline QString DumpModel(const SpriteProject& p)
{
    QString dump = QStringLiteral("selected %1 screen %2 file '%3' title '%4' caption '%5' bg '%6' surround %7 cells")
                       .arg(p.SelectedColor)
                       .arg(p.ScreenBGndColor)
                       .arg(QString::fromStdString(p.ProjectFileName), QString::fromStdString(p.ProjectFileTitle),
                            QString::fromStdString(p.FrameCaption), QString::fromStdString(p.BackGroundValue))
                       .arg(p.ThumbNailSurround);
    for (const ColorNumber cell : p.ThumbNailCells)
        dump += QStringLiteral(" %1").arg(cell);
    for (int k = 0; k < kSprites; ++k) {
        const SpriteState& s = p.Sprites[k];
        dump += QStringLiteral("\nsprite %1 fg %2 name '%3' square %4 label '%5' rows")
                    .arg(k)
                    .arg(p.SpriteFGndColor[k])
                    .arg(QString::fromStdString(s.Name))
                    .arg(s.FGColorSquare)
                    .arg(QString::fromStdString(s.ForeGroundValue));
        for (const std::string& row : s.HexRows)
            dump += QStringLiteral(" %1").arg(QString::fromStdString(row));
        dump += QStringLiteral(" blocks");
        for (const ColorNumber block : s.Blocks)
            dump += QStringLiteral(" %1").arg(block);
    }
    return dump;
}

inline Snapshot Take(const Editor& editor)
{
    Snapshot shot;
    for (const QLineEdit* box : editor.Window->findChildren<QLineEdit*>())
        shot.Texts << box->objectName() + QLatin1Char('=') + box->text();
    for (const QLabel* label : editor.Window->findChildren<QLabel*>())
        shot.Texts << label->objectName() + QLatin1Char('=') + label->text();
    for (const QGroupBox* frame : editor.Window->findChildren<QGroupBox*>())
        shot.Texts << frame->objectName() + QLatin1Char('=') + frame->title();
    for (const QRadioButton* option : editor.Window->findChildren<QRadioButton*>())
        shot.Texts << option->objectName() + (option->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off"));
    for (int k = 0; k < kSprites; ++k) {
        shot.Images << editor.Grid(k)->grab().toImage();
        shot.Images << editor.Find(QStringLiteral("picSpriteFGColor_%1").arg(k))->grab().toImage();
    }
    shot.Images << editor.View()->grab().toImage();
    shot.Model = DumpModel(editor.Model());
    return shot;
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read ") + path.toUtf8() + '>';
    return file.readAll();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tw::uitest
