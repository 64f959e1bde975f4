#include "core/Dxcc.h"

#include "core/DxccEntities.h"

#include <cstring>

namespace {

char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

bool keyMatches(const ZoneKey &key, const QString &call, int length)
{
    if (int(std::strlen(key.From)) != length)
        return false;
    for (int i = 0; i < length - 1; ++i)
        if (asciiUpper(call[i].unicode()) != char16_t(key.From[i]))
            return false;
    const char16_t last = asciiUpper(call[length - 1].unicode());
    const char *to = key.To ? key.To : key.From;
    return last >= char16_t(key.From[length - 1]) && last <= char16_t(to[length - 1]);
}

bool stageZone(const ZoneStage &stage, const QString &call, uint8_t &zone)
{
    for (const ZoneKey &key : stage.Keys) {
        const bool hit = stage.Length == 0
                             ? call == QLatin1String(key.From)
                             : call.size() >= stage.Length && keyMatches(key, call, stage.Length);
        if (hit) {
            zone = key.Zone;
            return true;
        }
    }
    return false;
}

uint8_t ruleZone(std::span<const ZoneRule> rules, int entity, const QString &call)
{
    for (const ZoneRule &rule : rules) {
        if (rule.Entity != entity)
            continue;
        uint8_t zone = 0;
        for (const ZoneStage &stage : rule.Stages)
            if (stageZone(stage, call, zone))
                return zone;
        return 0;
    }
    return 0;
}

} // namespace

QString ContinentFor(int entity)
{
    const TDxccEntity *e = DxccEntity(entity);
    return e ? QString::fromLatin1(e->Kontynent) : QString();
}

uint8_t ItuZoneFor(int entity, const QString &call)
{
    const TDxccEntity *e = DxccEntity(entity);
    if (!e)
        return 0;
    return e->ITU != 0 ? e->ITU : ruleZone(ItuZoneRules(), entity, call);
}

uint8_t CqZoneFor(int entity, const QString &call)
{
    const TDxccEntity *e = DxccEntity(entity);
    if (!e)
        return 0;
    return e->CQ != 0 ? e->CQ : ruleZone(CqZoneRules(), entity, call);
}
