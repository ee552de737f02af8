#include "shell/widgets/accessible_controls.h"

#include "shell/widgets/link_label.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/program_style.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
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

// The actions every control that takes the focus offers (a screen reader's "set focus"), with
// the control's own first.
QStringList withWidgetActions(QStringList own, const QAccessibleWidget& control)
{
    for (const QString& action : control.QAccessibleWidget::actionNames())
        if (!own.contains(action))
            own.append(action);
    return own;
}

// A link label: the link role, its text as the name, and where it leads as the description
// (the window that connects it says so in the label's accessible description). A caption that
// takes no focus is plain text.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QAccessible::Role role() const override
    {
        return widget()->focusPolicy() == Qt::NoFocus ? QAccessible::StaticText : QAccessible::Link;
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = plainText(static_cast<QLabel*>(widget())->text());
        return text;
    }

    QStringList actionNames() const override
    {
        return role() == QAccessible::Link ? withWidgetActions({pressAction()}, *this) : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && role() == QAccessible::Link)
            emit static_cast<LinkLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A picture box: a graphic named by its window ("Picture of the sun sign") and described by what
// it shows ("Picture of Aries"), never named after the box it sits in; one that can be pressed
// is a button.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureBox* box)
        : QAccessibleWidget(box, box->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic : QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && role() == QAccessible::Graphic && widget()->accessibleName().isEmpty())
            return Picture_Description(static_cast<PictureBox*>(widget())->drawing());
        QString text = QAccessibleWidget::text(kind);
        if (text.isEmpty() && kind == QAccessible::Description)
            text = Picture_Description(static_cast<PictureBox*>(widget())->drawing());
        return text;
    }

    QStringList actionNames() const override
    {
        return role() == QAccessible::Button ? withWidgetActions({pressAction()}, *this) : QStringList{};
    }

    void doAction(const QString& action) override
    {
        auto* box = static_cast<PictureBox*>(widget());
        if (action == pressAction() && box->isEnabled())
            emit box->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A drop-down list that its window names ("Day of birth"). It is what Qt makes of any drop-down
// list, its value, its list of items (where a screen reader finds the chosen one) and its
// actions, with the window's name in place of the value that Qt gives as the name.
class AccessibleNamedList : public QAccessibleWidget {
public:
    explicit AccessibleNamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        // The chosen item is the one selected in the list of items, where a screen reader finds
        // the value, before the change of value is announced.
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] { selectChosen(list); });
        selectChosen(list);
    }

    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return withWidgetActions({showMenuAction(), pressAction()}, *this);
    }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    static void selectChosen(QComboBox* list)
    {
        const QModelIndex chosen = list->model()->index(list->currentIndex(), list->modelColumn(), list->rootModelIndex());
        list->view()->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    }
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<QComboBox*>(object); list && !list->accessibleName().isEmpty())
        return new AccessibleNamedList(list);
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
