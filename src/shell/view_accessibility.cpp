// The view's elements in the accessibility tree.
#include "shell/view_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "base/strings.h"
#include "base/strings_presentation.h"
#include "render/view_elements.h"
#include "shell/ordinax_view.h"

namespace ordinax::shell {

namespace {

std::vector<render::ViewElement> elementsOf(const COrdinaxView& view) {
    return render::viewElements(view.lastPass().layout, view.shownDiagram(), view.shownCurve());
}

QPoint centreOf(const render::DevRect& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

QAccessible::Role roleOf(render::ViewElement::Kind kind) {
    switch (kind) {
        case render::ViewElement::Kind::Label:
        case render::ViewElement::Kind::Tag:
            return QAccessible::StaticText;
        case render::ViewElement::Kind::Plot:
            return QAccessible::Chart;
        case render::ViewElement::Kind::Scale:
        case render::ViewElement::Kind::Curve:
            return QAccessible::Graphic;
        case render::ViewElement::Kind::LegendLine:
            break;
    }
    return QAccessible::ListItem;
}

// One element, by its place in the list of the last pass.
class ElementAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ElementAccessible(COrdinaxView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && element().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_->viewport()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        const auto e = element();
        if (!e || t != QAccessible::Name) return {};
        return QString::fromStdString(e->name);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const auto e = element();
        if (!e || !view_) return {};
        const QPoint topLeft = view_->viewport()->mapToGlobal(QPoint(e->rect.left, e->rect.top));
        return {topLeft, QSize(e->rect.width(), e->rect.height())};
    }
    QAccessible::Role role() const override {
        const auto e = element();
        return e ? roleOf(e->kind) : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        const auto e = element();
        if (!e || !view_) return s;
        switch (e->kind) {
            case render::ViewElement::Kind::Label:
            case render::ViewElement::Kind::Tag:
                s.selected = view_->selectedLabel() == e->slot;
                break;
            case render::ViewElement::Kind::Curve:
            case render::ViewElement::Kind::LegendLine:
                s.selected = view_->selectedCurve() == e->curve;
                break;
            case render::ViewElement::Kind::Scale:
                s.selected = view_->lastHit().kind == render::HitKind::Scale &&
                             view_->lastHit().direction == e->direction && view_->lastHit().side == e->side;
                break;
            case render::ViewElement::Kind::Plot:
                s.selected = view_->lastHit().kind == render::HitKind::Plot;
                break;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        const auto e = element();
        if (!e || !view_ || name != pressAction()) return;
        // The selection follows: a curve is selected as its legend line selects it.
        if (e->kind == render::ViewElement::Kind::Curve)
            view_->selectCurve(e->curve);
        else
            view_->selectAt(centreOf(e->rect));
    }

    void setIndex(int index) { index_ = index; }

private:
    std::optional<render::ViewElement> element() const {
        if (!view_) return std::nullopt;
        const std::vector<render::ViewElement> all = elementsOf(*view_);
        if (index_ < 0 || index_ >= static_cast<int>(all.size())) return std::nullopt;
        return all[static_cast<std::size_t>(index_)];
    }

    QPointer<COrdinaxView> view_;
    int index_;
};

// The drawing area of the view, whose children are the elements.
class ViewAccessible : public QAccessibleWidget {
public:
    ViewAccessible(QWidget* viewport, COrdinaxView* view)
        : QAccessibleWidget(viewport, QAccessible::Chart), view_(view) {}
    ~ViewAccessible() override {
        for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const std::string_view name = base::messageText(base::MsgViewName);
            return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return view_ ? static_cast<int>(elementsOf(*view_).size()) : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        auto& ids = const_cast<std::vector<QAccessible::Id>&>(ids_);
        while (static_cast<int>(ids.size()) <= index)
            ids.push_back(
                QAccessible::registerAccessibleInterface(new ElementAccessible(view_, static_cast<int>(ids.size()))));
        return QAccessible::accessibleInterface(ids[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (QAccessible::accessibleInterface(ids_[i]) == child) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int count = childCount();
        // The last one drawn is on top: looked for from the end (tags over the plot).
        for (int i = count - 1; i >= 0; --i) {
            QAccessibleInterface* c = child(i);
            if (c && c->rect().contains(x, y) && c->role() != QAccessible::Graphic) return c;
        }
        return nullptr;
    }

private:
    QPointer<COrdinaxView> view_;
    std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    auto* view = qobject_cast<COrdinaxView*>(widget->parentWidget());
    if (!view || view->viewport() != widget) return nullptr;
    return new ViewAccessible(widget, view);
}

}  // namespace

void installViewAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

}  // namespace ordinax::shell
