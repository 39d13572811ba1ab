#pragma once

#include "scene/Mat4.h"
#include "scene/Vec3.h"

#include <cstdint>
#include <memory>
#include <vector>

class TGLScene;

// What a change of an object invalidates when the view is redrawn.
enum class ChangeKind {
    Object,  // the object itself and its subtree
    View,  // everything that is drawn (camera, light, sky, structure)
    Overlay,  // only the heads-up layer
};

// A node of the scene graph: a frame (position, direction, up) relative to its
// parent, absolute pitch/turn/roll angles, a tag, visibility and owned children.
// Local axes: x = right = up x direction, y = up, z = direction.
class TGLBaseSceneObject {
public:
    TGLBaseSceneObject();
    virtual ~TGLBaseSceneObject();
    TGLBaseSceneObject(const TGLBaseSceneObject&) = delete;
    TGLBaseSceneObject& operator=(const TGLBaseSceneObject&) = delete;

    // Position in the parent's frame.
    const Vec3& position() const { return position_; }
    // Moves the object in its parent's frame.
    void setPosition(double x, double y, double z);
    // Moves the object in its parent's frame.
    void setPosition(const Vec3& p) { setPosition(p.x, p.y, p.z); }
    // Sets one coordinate of the position.
    void setPositionX(double v) { setPosition(v, position_.y, position_.z); }
    // Sets one coordinate of the position.
    void setPositionY(double v) { setPosition(position_.x, v, position_.z); }
    // Sets one coordinate of the position.
    void setPositionZ(double v) { setPosition(position_.x, position_.y, v); }

    // Unit direction (local z) in the parent's frame.
    const Vec3& direction() const { return direction_; }
    // Points the object; the up vector is made perpendicular to the new direction.
    // A zero vector is ignored.
    void setDirection(double x, double y, double z);
    // Points the object (see above).
    void setDirection(const Vec3& d) { setDirection(d.x, d.y, d.z); }
    // Sets one component of the direction, then normalises it and re-fits up.
    void setDirectionX(double v) { setDirection(v, direction_.y, direction_.z); }
    // Sets one component of the direction, then normalises it and re-fits up.
    void setDirectionY(double v) { setDirection(direction_.x, v, direction_.z); }
    // Sets one component of the direction, then normalises it and re-fits up.
    void setDirectionZ(double v) { setDirection(direction_.x, direction_.y, v); }

    // Unit up vector (local y) in the parent's frame.
    const Vec3& up() const { return up_; }
    // Sets the up vector, keeping the direction; the part along the direction is
    // dropped. A vector parallel to the direction is ignored.
    void setUp(double x, double y, double z);
    // Sets the up vector (see above).
    void setUp(const Vec3& u) { setUp(u.x, u.y, u.z); }
    // Right axis (local x) = up x direction.
    Vec3 right() const { return up_.cross(direction_); }

    // Scale of the local axes (heads-up texts use it as glyph scale).
    const Vec3& scale() const { return scale_; }
    // Sets the scale of the local axes.
    void setScale(double x, double y, double z);

    // Absolute angle about the own right axis, degrees in -180..180.
    double pitchAngle() const { return pitch_; }
    // Rotates about the own right axis by the difference to the current angle.
    void setPitchAngle(double degrees);
    // Absolute angle about the own up axis, degrees in -180..180.
    double turnAngle() const { return turn_; }
    // Rotates about the own up axis by the difference to the current angle.
    void setTurnAngle(double degrees);
    // Absolute angle about the own direction axis, degrees in -180..180.
    double rollAngle() const { return roll_; }
    // Rotates about the own direction axis by the difference to the current angle.
    void setRollAngle(double degrees);

    // User value; the engine gives it no meaning.
    int tag() const { return tag_; }
    // Sets the user value.
    void setTag(int tag) { tag_ = tag; }

    // Whether the object and its subtree are drawn and can be picked.
    bool visible() const { return visible_; }
    // Shows or hides the object and its subtree.
    void setVisible(bool visible);
    // Visible and every ancestor visible.
    bool visibleInTree() const;

    // The owning node; nullptr for the root or a free object.
    TGLBaseSceneObject* parent() const { return parent_; }
    // The scene this object belongs to; nullptr while free.
    TGLScene* scene() const { return scene_; }
    // Number of children.
    int childCount() const { return static_cast<int>(children_.size()); }
    // The i-th child in creation order.
    TGLBaseSceneObject* child(int i) const { return children_.at(i).get(); }

    // Creates a child of class T at the end of the children; this object owns it.
    template <class T>
    T* addNewChild()
    {
        auto child = std::make_unique<T>();
        T* raw = child.get();
        adopt(std::move(child));
        return raw;
    }
    // Destroys a direct child and its subtree; other pointers are ignored.
    void destroyChild(TGLBaseSceneObject* child);
    // Destroys all children.
    void destroyChildren();

    // Frame in the parent's coordinates (axes scaled).
    Mat4 localMatrix() const;
    // Frame in world coordinates.
    Mat4 absoluteMatrix() const;
    // Origin in world coordinates.
    Vec3 absolutePosition() const;

    // Scene epoch of the last change of this object (see TGLScene).
    std::uint64_t changeEpoch() const { return changeEpoch_; }

protected:
    // Records a change for the viewers' dirty tracking.
    void changed(ChangeKind kind = ChangeKind::Object);
    // What a change of this object invalidates.
    virtual ChangeKind ownChangeKind() const { return ChangeKind::Object; }

private:
    friend class TGLScene;
    void adopt(std::unique_ptr<TGLBaseSceneObject> child);
    void attachTo(TGLScene* scene);
    void rotateFrame(const Vec3& axis, double degrees);

    Vec3 position_{0, 0, 0};
    Vec3 direction_{0, 0, 1};
    Vec3 up_{0, 1, 0};
    Vec3 scale_{1, 1, 1};
    double pitch_ = 0, turn_ = 0, roll_ = 0;
    int tag_ = 0;
    bool visible_ = true;
    std::uint64_t changeEpoch_ = 0;
    TGLBaseSceneObject* parent_ = nullptr;
    TGLScene* scene_ = nullptr;
    std::vector<std::unique_ptr<TGLBaseSceneObject>> children_;
};

// Reduces an angle in degrees to the range (-180, 180].
double WrapAngle(double degrees);
