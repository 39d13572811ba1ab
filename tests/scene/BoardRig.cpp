#include "BoardRig.h"

#include "TDodecahedron.h"
#include "TSphere.h"
#include "TTorus.h"

BoardRig::BoardRig()
{
    TGLBaseSceneObject& root = scene.root();
    dome = root.addNewChild<TSkyDome>();
    dome->setDirection(1, 0, 0);
    dome->setUp(0, 0, -1);
    dome->addBand({-90, {0, 0, 0, 1}, -20, {0.35f, 0.35f, 0.35f, 1}, 12, 1});
    dome->addBand({-20, {0.35f, 0.35f, 0.35f, 1}, 90, {1, 1, 1, 1}, 12, 4});
    hud1 = root.addNewChild<THUDText>();
    hud2 = root.addNewChild<THUDText>();
    for (auto [text, y] : {std::pair{hud1, 405.0}, std::pair{hud2, 420.0}}) {
        text->setPosition(12, y, 0);
        text->setScale(0.4, 0.4, 0.4);
        text->setFont(&font);
    }
    field = root.addNewChild<TDummyCube>();
    field->setDirection(0, 0, 1);
    field->setUp(1, 0, 0);
    light = root.addNewChild<TGLLightSource>();
    light->setPosition(2, 2, 3);
    light->setDiffuse({1, 1, 1, 1});
    light->setAmbient({0, 0, 0, 1});
    light->setSpecular({0, 0, 0, 1});
    light->setSpotCutOff(180);
    camera = root.addNewChild<TGLCamera>();
    camera->setPosition(2, 2, 15);
    camera->setDirection(0, 0, 1);
    camera->setUp(1, 0, 0);
    camera->setTargetObject(field);
    camera->setDepthOfView(100);
    camera->setFocalLength(50);
}

Color4 BoardRig::kindColor(int kind)
{
    static const Color4 colours[] = {{1, 1, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 0, 1}};
    return colours[(kind - 1) % 5];
}

void BoardRig::deal(Shape shape, int c, int r)
{
    field->destroyChildren();
    pieces.clear();
    kinds_.clear();
    cols = c;
    rows = r;
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col) {
            TGLCustomSceneObject* o = nullptr;
            switch (shape) {
            case Dodecahedron:
                o = field->addNewChild<TDodecahedron>();
                break;
            case Torus:
                o = field->addNewChild<TTorus>();
                break;
            case Sphere:
                o = field->addNewChild<TSphere>();
                break;
            }
            o->setDirectionX(0);
            o->setDirectionY(1);
            o->setDirectionZ(0);
            o->setPosition(col - cols / 2, rows / 2 - row, 0);
            o->setTag(static_cast<int>(pieces.size()) + 1);
            if (auto* torus = dynamic_cast<TTorus*>(o)) {
                torus->setMajorRadius(0.28);
                torus->setMinorRadius(0.25);
                torus->setPitchAngle(90);
            }
            const int kind = 1 + (row * 7 + col * 3) % 5;
            o->material().setFrontDiffuse(kindColor(kind));
            pieces.push_back(o);
            kinds_.push_back(kind);
        }
}

Vec3 BoardRig::pieceCentre(int i) const { return pieces[i]->absolutePosition(); }
