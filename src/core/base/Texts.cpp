#include "Texts.h"

#include <QTranslator>

namespace Texts {

namespace {

std::unique_ptr<QTranslator>& current()
{
    static std::unique_ptr<QTranslator> module;
    return module;
}

} // namespace

QString get(int id)
{
    const auto& module = current();
    if (!module)
        return {};
    // Messages are id-based: an empty context and the number as the source id.
    const QString text = module->translate("", QByteArray::number(id).constData());
    return text.isNull() ? QString() : text;
}

void setModule(std::unique_ptr<QTranslator> module)
{
    current() = std::move(module);
}

bool hasModule()
{
    return current() != nullptr;
}

} // namespace Texts
