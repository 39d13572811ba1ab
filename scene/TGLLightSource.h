#pragma once

#include "scene/Color4.h"
#include "scene/TGLBaseSceneObject.h"

// A point light (spot cut-off 180) or a spot light at the object's position.
class TGLLightSource : public TGLBaseSceneObject {
public:
    const Color4& ambient() const { return ambient_; }
    void setAmbient(const Color4& c) { assign(ambient_, c); }
    const Color4& diffuse() const { return diffuse_; }
    void setDiffuse(const Color4& c) { assign(diffuse_, c); }
    const Color4& specular() const { return specular_; }
    void setSpecular(const Color4& c) { assign(specular_, c); }
    double constantAttenuation() const { return constant_; }
    void setConstantAttenuation(double v) { assign(constant_, v); }
    double linearAttenuation() const { return linear_; }
    void setLinearAttenuation(double v) { assign(linear_, v); }
    double quadraticAttenuation() const { return quadratic_; }
    void setQuadraticAttenuation(double v) { assign(quadratic_, v); }
    // Half-angle of the cone in degrees; 180 shines in all directions.
    double spotCutOff() const { return spotCutOff_; }
    void setSpotCutOff(double v) { assign(spotCutOff_, v); }
    // Whether the light is on.
    bool shining() const { return shining_; }
    void setShining(bool on) { assign(shining_, on); }

protected:
    ChangeKind ownChangeKind() const override { return ChangeKind::View; }

private:
    template <class T>
    void assign(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        changed(ChangeKind::View);
    }

    Color4 ambient_{0, 0, 0, 1};
    Color4 diffuse_{1, 1, 1, 1};
    Color4 specular_{1, 1, 1, 1};
    double constant_ = 1, linear_ = 0, quadratic_ = 0;
    double spotCutOff_ = 180;
    bool shining_ = true;
};
