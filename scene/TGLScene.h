#pragma once

#include "scene/TGLBaseSceneObject.h"

#include <cstdint>
#include <functional>

// A scene: the root node and the change counters that let a viewer skip frames
// in which nothing changed and keep an image of what stood still.
class TGLScene {
public:
    TGLScene();
    TGLScene(const TGLScene&) = delete;
    TGLScene& operator=(const TGLScene&) = delete;

    // The root; the scene's objects are its children, in order.
    TGLBaseSceneObject& root() { return root_; }
    const TGLBaseSceneObject& root() const { return root_; }

    // Grows with every change of any object.
    std::uint64_t revision() const { return revision_; }
    // Grows with every change that affects everything drawn (camera, light, sky, removals).
    std::uint64_t viewRevision() const { return viewRevision_; }
    // Number of frames drawn so far; objects stamp their changes with it.
    std::uint64_t epoch() const { return epoch_; }
    // Called by a viewer after it has drawn a frame.
    void advanceEpoch() { ++epoch_; }
    // Called by objects when they change.
    void noteChange(ChangeKind kind);
    // Told of every change (one listener: the frame clock, which sleeps while
    // nothing changes); an empty function removes it.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    std::function<void()> listener_;
    std::uint64_t revision_ = 1;
    std::uint64_t viewRevision_ = 1;
    std::uint64_t epoch_ = 1;
    TGLBaseSceneObject root_;
};
