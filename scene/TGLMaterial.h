#pragma once

#include "scene/Color4.h"

#include <functional>

// The front-face material of an object. Every real change calls the owner's
// change hook, so viewers redraw.
class TGLMaterial {
public:
    // onChange is called after each change of a value.
    explicit TGLMaterial(std::function<void()> onChange = {});

    // Diffuse colour, default (0.8, 0.8, 0.8, 1).
    const Color4& frontDiffuse() const { return diffuse_; }
    void setFrontDiffuse(const Color4& c) { assign(diffuse_, c); }
    // Ambient colour, default (0.2, 0.2, 0.2, 1).
    const Color4& frontAmbient() const { return ambient_; }
    void setFrontAmbient(const Color4& c) { assign(ambient_, c); }
    // Specular colour, default (0, 0, 0, 1).
    const Color4& frontSpecular() const { return specular_; }
    void setFrontSpecular(const Color4& c) { assign(specular_, c); }
    // Emission colour, default (0, 0, 0, 1).
    const Color4& frontEmission() const { return emission_; }
    void setFrontEmission(const Color4& c) { assign(emission_, c); }
    // Specular exponent 0..128, default 0.
    float frontShininess() const { return shininess_; }
    void setFrontShininess(float s);

private:
    void assign(Color4& field, const Color4& value);

    std::function<void()> onChange_;
    Color4 diffuse_{0.8f, 0.8f, 0.8f, 1};
    Color4 ambient_{0.2f, 0.2f, 0.2f, 1};
    Color4 specular_{0, 0, 0, 1};
    Color4 emission_{0, 0, 0, 1};
    float shininess_ = 0;
};
