#include "shell/widgets/accessible_controls.h"

#include "shell/widgets/link_label.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/program_style.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTextDocument>

bool Accept_Press_Key(const QWidget* control, QKeyEvent* event)
{
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
    if (!pressKey || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !control->isEnabled())
        return false;
    event->accept();
    return true;
}

void Paint_Focus_Ring(QWidget* control)
{
    if (!control->hasFocus())
        return;
    QPainter painter(control);
    Draw_Focus_Ring(&painter, control->rect());
}

QString Picture_Description(const QString& drawing)
{
    const qsizetype slash = drawing.indexOf(QLatin1Char('/'));
    const QString folder = drawing.left(slash);
    if (slash < 0 || (folder != QLatin1String("stones") && folder != QLatin1String("signs")))
        return {};
    if (drawing == QLatin1String("stones/cats-eye"))
        return QStringLiteral("Picture of Cat's Eye");
    QStringList words = drawing.mid(slash + 1).split(QLatin1Char('-'), Qt::SkipEmptyParts);
    for (QString& word : words)
        word[0] = word[0].toUpper();
    return QStringLiteral("Picture of ") + words.join(QLatin1Char(' '));
}

namespace {

QString plainText(const QString& text)
{
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText().simplified();
}

// A link label: the link role, its text as the name, and where it leads as the description
// (the window that connects it says so in the label's accessible description).
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = plainText(static_cast<QLabel*>(widget())->text());
        return text;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
    }
};

// A picture box: a graphic described by what it shows; one that can be pressed is a button.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureBox* box)
        : QAccessibleWidget(box, box->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic : QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (text.isEmpty() && (kind == QAccessible::Description || (kind == QAccessible::Name && role() == QAccessible::Graphic)))
            text = Picture_Description(static_cast<PictureBox*>(widget())->drawing());
        return text;
    }

    QStringList actionNames() const override
    {
        return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        auto* box = static_cast<PictureBox*>(widget());
        if (action == pressAction() && box->isEnabled())
            emit box->clicked();
    }
};

// A drop-down list that its window names ("Day of birth"): screen readers say what it is, then
// its value, where by default they would say its value twice.
class AccessibleNamedList : public QAccessibleWidget {
public:
    explicit AccessibleNamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {showMenuAction()}; }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            static_cast<QComboBox*>(widget())->showPopup();
    }
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<QComboBox*>(object); list && !list->accessibleName().isEmpty())
        return new AccessibleNamedList(list);
    if (auto* caption = qobject_cast<CaptionLabel*>(object))
        return caption->focusPolicy() == Qt::NoFocus ? nullptr : new AccessibleLink(caption);
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new AccessibleLink(link);
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new AccessiblePicture(picture);
    return nullptr;
}

}  // namespace

void Install_Accessible_Controls()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    (void)installed;
}
