#include "stand_ins.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include <memory>
#include <stdexcept>

namespace {

template <class Widget>
QWidget* make(QWidget* parent)
{
    return new Widget(parent);
}

struct StandIn {
    const QMetaObject& kind;
    QWidget* (*make)(QWidget* parent);
};

const StandIn kStandIns[] = {
    {QWidget::staticMetaObject, make<QWidget>},         {QLabel::staticMetaObject, make<QLabel>},
    {QLineEdit::staticMetaObject, make<QLineEdit>},     {QPushButton::staticMetaObject, make<QPushButton>},
    {QCheckBox::staticMetaObject, make<QCheckBox>},     {QScrollBar::staticMetaObject, make<QScrollBar>},
    {QMenu::staticMetaObject, make<QMenu>},
};

const char* const kCopiedProperties[] = {"text", "orientation"};

const StandIn& nearestStandIn(const QMetaObject* kind)
{
    for (; kind; kind = kind->superClass())
        for (const StandIn& standIn : kStandIns)
            if (&standIn.kind == kind)
                return standIn;
    throw std::logic_error("a widget that is no QWidget");
}

const StandIn& standInNamed(const QString& name)
{
    for (const StandIn& standIn : kStandIns)
        if (name == standIn.kind.className())
            return standIn;
    throw std::invalid_argument("no stand-in for " + name.toStdString());
}

QString partKey(const QWidget& part)
{
    return QString(part.metaObject()->className()) + ' ' + part.objectName();
}

// The controls that the stand-in makes by itself, as a scroll area its
// viewport, are not in the form: the bare window's stand-in makes them again.
QStringList ownParts(const StandIn& standIn)
{
    const std::unique_ptr<QWidget> sample(standIn.make(nullptr));
    QStringList parts;
    for (const QWidget* part : sample->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        parts.append(partKey(*part));
    return parts;
}

QJsonObject describe(const QWidget& widget)
{
    const StandIn& standIn = nearestStandIn(widget.metaObject());
    const QMetaObject& kind = standIn.kind;
    QJsonObject properties;
    for (const char* name : kCopiedProperties)
        if (kind.indexOfProperty(name) >= 0)
            properties[name] = QJsonValue::fromVariant(widget.property(name));
    QJsonArray children;
    QStringList parts = ownParts(standIn);
    for (const QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!parts.removeOne(partKey(*child)))
            children.append(describe(*child));
    const QRect place = widget.geometry();
    return {{"class", kind.className()},
            {"geometry", QJsonArray{place.x(), place.y(), place.width(), place.height()}},
            {"hidden", widget.isHidden()},
            {"properties", properties},
            {"children", children}};
}

void buildChildren(QWidget& parent, const QJsonArray& children);

void build(QWidget& widget, const QJsonObject& description)
{
    const QJsonArray place = description["geometry"].toArray();
    widget.setGeometry(place[0].toInt(), place[1].toInt(), place[2].toInt(), place[3].toInt());
    if (description["hidden"].toBool())
        widget.hide();
    const QJsonObject properties = description["properties"].toObject();
    for (auto property = properties.begin(); property != properties.end(); ++property)
        widget.setProperty(property.key().toUtf8(), property.value().toVariant());
    buildChildren(widget, description["children"].toArray());
}

void buildChildren(QWidget& parent, const QJsonArray& children)
{
    for (const QJsonValue child : children) {
        const QJsonObject description = child.toObject();
        build(*standInNamed(description["class"].toString()).make(&parent), description);
    }
}

} // namespace

QByteArray describeControls(const QWidget& window)
{
    return QJsonDocument(describe(window)).toJson(QJsonDocument::Compact);
}

void buildStandIns(QWidget& window, const QByteArray& description)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(description, &error);
    if (!document.isObject())
        throw std::invalid_argument("the description is no JSON object: " + error.errorString().toStdString());
    const QJsonObject root = document.object();
    const QJsonArray place = root["geometry"].toArray();
    window.resize(place[2].toInt(), place[3].toInt());
    buildChildren(window, root["children"].toArray());
}
