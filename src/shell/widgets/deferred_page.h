#pragma once
#include <QFrame>

#include <functional>

// A page of a page stack or a tab whose controls are made the first time it is shown, or sooner
// when the window needs them: a window shows its first view without building the others.
class DeferredPage : public QFrame {
    Q_OBJECT
public:
    // The builder fills the page (typically a Designer form's setupUi on it) and wires it up.
    using Builder = std::function<void(DeferredPage* page)>;
    DeferredPage(const QString& name, Builder builder, QWidget* parent = nullptr);

    // Makes the page's controls unless they are made already.
    void build();
    bool isBuilt() const { return !builder; }

    // Builds every page of the window that is not built yet, so all its controls exist.
    static void buildAll(const QWidget* window);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Builder builder;
};
