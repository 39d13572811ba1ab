#include "scene/TGLMaterial.h"

#include <utility>

TGLMaterial::TGLMaterial(std::function<void()> onChange) : onChange_(std::move(onChange)) {}

void TGLMaterial::assign(Color4& field, const Color4& value)
{
    if (field == value)
        return;
    field = value;
    if (onChange_)
        onChange_();
}

void TGLMaterial::setFrontShininess(float s)
{
    if (s == shininess_)
        return;
    shininess_ = s;
    if (onChange_)
        onChange_();
}
