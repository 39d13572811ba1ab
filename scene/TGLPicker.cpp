#include "scene/TGLPicker.h"

#include "scene/TGLCamera.h"
#include "scene/TGLCustomSceneObject.h"
#include "scene/TGLScene.h"
#include "scene/TSceneWalk.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
struct Ray {
    Vec3 origin, dir;
};

struct Hit {
    const TGLCustomSceneObject* object = nullptr;
    double depth = 0;
};

class RayCaster {
public:
    RayCaster(const std::vector<Ray>& rays, const Vec3& forward, double nearZ, double farZ)
        : rays_(rays), forward_(forward), near_(nearZ), far_(farZ)
    {
    }

    void test(const TGLCustomSceneObject* solid, const Mat4& m)
    {
        const TMesh& mesh = *solid->pickMesh();
        const Vec3 centre = m.mapPoint({0, 0, 0});
        const double radius = mesh.boundingRadius() * m.maxAxisLength();
        Mat4 inverse;
        bool haveInverse = false;
        for (const Ray& ray : rays_) {
            const Vec3 oc = centre - ray.origin;
            const double along = oc.dot(ray.dir);
            if (oc.dot(oc) - along * along > radius * radius)
                continue;
            if (!haveInverse) {
                inverse = m.inverted();
                haveInverse = true;
            }
            const double t = mesh.intersect(inverse.mapPoint(ray.origin), inverse.mapVector(ray.dir));
            if (t <= 0)
                continue;
            const double depth = t * ray.dir.dot(forward_);
            if (depth < near_ || depth > far_)
                continue;
            if (!best_.object || depth < best_.depth)
                best_ = {solid, depth};
        }
    }

    const Hit& best() const { return best_; }

private:
    const std::vector<Ray>& rays_;
    Vec3 forward_;
    double near_, far_;
    Hit best_;
};

Hit Cast(const TGLScene& scene, const TGLCamera& camera, int w, int h, double pixelRatio,
         const std::vector<Vec3>& points)
{
    std::vector<Ray> rays;
    for (const Vec3& p : points) {
        Ray r;
        camera.viewRay(p.x, p.y, w, h, r.origin, r.dir, pixelRatio);
        rays.push_back(r);
    }
    const Mat4 view = camera.viewMatrix();
    const Vec3 forward = Vec3{-view(2, 0), -view(2, 1), -view(2, 2)};
    const double nearZ = camera.nearPlane(w, h, pixelRatio);
    RayCaster caster(rays, forward, nearZ, nearZ + camera.depthOfView());
    const TSceneWalk walk(scene);
    for (const TSceneSolid& s : walk.solids())
        caster.test(s.object, s.matrix);
    return caster.best();
}
}  // namespace

const TGLCustomSceneObject* TGLPicker::pick(const TGLScene& scene, const TGLCamera& camera, int w, int h, int x, int y,
                                            double pixelRatio)
{
    std::vector<Vec3> centres;
    for (int dy = -1; dy <= 0; ++dy)
        for (int dx = -1; dx <= 0; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px >= 0 && py >= 0 && px < w && py < h)
                centres.push_back({px + 0.5, py + 0.5, 0});
        }
    if (centres.empty())
        return nullptr;
    return Cast(scene, camera, w, h, pixelRatio, centres).object;
}

const TGLCustomSceneObject* TGLPicker::pickPoint(const TGLScene& scene, const TGLCamera& camera, int w, int h,
                                                 double px, double py, double* depth, double pixelRatio)
{
    const Hit hit = Cast(scene, camera, w, h, pixelRatio, {{px, py, 0}});
    if (depth)
        *depth = hit.depth;
    return hit.object;
}
