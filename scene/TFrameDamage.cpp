#include "scene/TFrameDamage.h"

TFrameDamage::Plan TFrameDamage::plan(const Frame& f, const std::function<bool()>& makeImage)
{
    Plan p;
    bool useImage = f.caching && imageFits(f);
    std::vector<TScreenRect> evicted;
    if (useImage) {
        evicted = evictChanged(f);
        p.evicted = static_cast<int>(evicted.size());
        // A view-wide change such as the field turning: a new image is cheaper.
        if (p.evicted > kMaxEvicted)
            useImage = false;
        else
            p.repairs = repairsFor(f, evicted);
    }
    if (!useImage && f.caching)
        useImage = p.rebuildImage = rebuild(f, p, makeImage);
    else if (useImage)
        absorbQuiet(f, p);
    p.usesImage = useImage;

    std::unordered_map<const void*, TScreenRect> drawn;
    const TScreenRect dirty = useImage ? damageOverImage(f, evicted, drawn) : TScreenRect{};
    p.partial = useImage && !p.rebuildImage && f.backBufferKept && previous_.valid && previous_.w == f.w
                && previous_.h == f.h && previous_.target == f.target;
    p.presented = p.partial ? dirty.clipped(f.w, f.h) : TScreenRect{0, 0, f.w, f.h};
    // An image built in idle time: the screen already shows this very scene, so
    // nothing is drawn or presented (a window that changed would be a change of
    // the screen to watchers, though every pixel stays the same).
    if (p.rebuildImage && shownAlready(f))
        p.presented = {};
    chooseDrawn(f, drawn, p);

    previous_.valid = useImage;
    previous_.w = f.w;
    previous_.h = f.h;
    previous_.target = f.target;
    previous_.epoch = f.epoch;
    previous_.drawn = std::move(drawn);
    previous_.texts = f.texts;
    previous_.textKey = f.textKey;
    settling_ = stillSettling(f);
    return p;
}

bool TFrameDamage::shownAlready(const Frame& f) const
{
    return f.still && f.backBufferKept && previous_.w == f.w && previous_.h == f.h && previous_.target == f.target
           && previous_.w > 0;
}

bool TFrameDamage::stillSettling(const Frame& f) const
{
    if (!f.caching || imageRefused_)
        return false;
    if (!image_.valid)
        return static_cast<int>(f.solids.size()) >= kMinQuietSolids;
    return !previous_.drawn.empty();
}

std::vector<TScreenRect> TFrameDamage::MergeOverlapping(const std::vector<TScreenRect>& in)
{
    std::vector<TScreenRect> rects;
    for (TScreenRect r : in) {
        // A union may reach rects it missed before: look again until nothing joins.
        for (bool merged = true; merged;) {
            merged = false;
            for (auto it = rects.begin(); it != rects.end(); ++it)
                if (it->intersects(r)) {
                    r = r.united(*it);
                    rects.erase(it);
                    merged = true;
                    break;
                }
        }
        rects.push_back(r);
    }
    return rects;
}

bool TFrameDamage::imageFits(const Frame& f) const
{
    return image_.valid && image_.w == f.w && image_.h == f.h && image_.viewRevision == f.viewRevision
           && image_.view == f.view && image_.projection == f.projection && image_.background == f.background;
}

std::vector<TScreenRect> TFrameDamage::evictChanged(const Frame& f)
{
    // Solids in the image that changed or are no longer shown leave it where they lay.
    std::vector<TScreenRect> rects;
    std::unordered_map<const void*, bool> seen;
    for (const Solid& s : f.solids) {
        const auto it = image_.solids.find(s.id);
        if (it == image_.solids.end())
            continue;
        if (s.epoch > it->second.epoch) {
            rects.push_back(it->second.rect);
            image_.solids.erase(it);
        } else {
            seen.emplace(s.id, true);
        }
    }
    for (auto it = image_.solids.begin(); it != image_.solids.end();) {
        if (!seen.count(it->first)) {
            rects.push_back(it->second.rect);
            it = image_.solids.erase(it);
        } else {
            ++it;
        }
    }
    return rects;
}

std::vector<TFrameDamage::Repair> TFrameDamage::repairsFor(const Frame& f,
                                                           const std::vector<TScreenRect>& evicted) const
{
    // Neighbours of a group overlap: one pass of the sky over their union, not one each.
    std::vector<Repair> repairs;
    for (const TScreenRect& r : MergeOverlapping(evicted)) {
        if (r.empty())
            continue;
        Repair repair{r, {}};
        for (std::size_t i = 0; i < f.solids.size(); ++i) {
            const auto it = image_.solids.find(f.solids[i].id);
            if (it != image_.solids.end() && it->second.rect.intersects(r))
                repair.solids.push_back(i);
        }
        repairs.push_back(std::move(repair));
    }
    return repairs;
}

bool TFrameDamage::rebuild(const Frame& f, Plan& p, const std::function<bool()>& makeImage)
{
    image_.valid = false;
    int quiet = 0;
    for (const Solid& s : f.solids)
        quiet += isQuiet(s, f);
    // With most of the scene moving, the copy costs more than it saves.
    if (quiet < kMinQuietSolids || quiet * 2 < static_cast<int>(f.solids.size()))
        return false;
    if (!makeImage()) {
        imageRefused_ = true;
        return false;
    }
    image_.solids.clear();
    for (std::size_t i = 0; i < f.solids.size(); ++i)
        if (isQuiet(f.solids[i], f)) {
            p.imageSolids.push_back(i);
            image_.solids[f.solids[i].id] = {f.solids[i].epoch, f.rectOf(i)};
        }
    image_.valid = true;
    image_.w = f.w;
    image_.h = f.h;
    image_.viewRevision = f.viewRevision;
    image_.view = f.view;
    image_.projection = f.projection;
    image_.background = f.background;
    return true;
}

void TFrameDamage::absorbQuiet(const Frame& f, Plan& p)
{
    for (std::size_t i = 0; i < f.solids.size(); ++i) {
        const Solid& s = f.solids[i];
        if (image_.solids.count(s.id) || !isQuiet(s, f))
            continue;
        p.imageSolids.push_back(i);
        image_.solids[s.id] = {s.epoch, f.rectOf(i)};
    }
}

TScreenRect TFrameDamage::damageOverImage(const Frame& f, const std::vector<TScreenRect>& evicted,
                                          std::unordered_map<const void*, TScreenRect>& drawn) const
{
    // A solid drawn over the image is presented where it lay and where it lies, if it changed.
    TScreenRect dirty;
    for (std::size_t i = 0; i < f.solids.size(); ++i) {
        const Solid& s = f.solids[i];
        if (image_.solids.count(s.id))
            continue;
        const TScreenRect r = f.rectOf(i);
        drawn.emplace(s.id, r);
        const auto before = previous_.drawn.find(s.id);
        if (before == previous_.drawn.end())
            dirty = dirty.united(r);
        else if (s.epoch > previous_.epoch)
            dirty = dirty.united(r).united(before->second);
    }
    for (const auto& [id, r] : previous_.drawn)
        if (!drawn.count(id))
            dirty = dirty.united(r);
    for (const TScreenRect& r : evicted)
        dirty = dirty.united(r);
    if (f.textKey != previous_.textKey)
        dirty = dirty.united(f.texts).united(previous_.texts);
    return dirty;
}

void TFrameDamage::chooseDrawn(const Frame& f, const std::unordered_map<const void*, TScreenRect>& drawn, Plan& p) const
{
    if (p.presented.empty())
        return;
    for (std::size_t i = 0; i < f.solids.size(); ++i) {
        if (p.usesImage) {
            const auto r = drawn.find(f.solids[i].id);
            if (r == drawn.end() || (p.partial && !r->second.intersects(p.presented)))
                continue;
        }
        p.drawSolids.push_back(i);
    }
    // The texts' state changes cost more than their few quads: not where the scissor would drop them.
    p.drawTexts = !p.partial || f.texts.intersects(p.presented);
}
