// The catalogue of the rabbit's pictures: their sizes and what they show.
#include "skin/picture_catalogue.h"

const CataloguedPicture pictureCatalogue[SPRITE_COUNT] = {
    {146, {60, 88}, TextId::SHOWS_STANDING},    {133, {60, 88}, TextId::SHOWS_BLINK},
    {136, {63, 89}, TextId::SHOWS_WALK_LEFT},   {134, {64, 89}, TextId::SHOWS_WALK_LEFT},
    {135, {65, 88}, TextId::SHOWS_WALK_LEFT},   {137, {63, 89}, TextId::SHOWS_WALK_RIGHT},
    {138, {64, 89}, TextId::SHOWS_WALK_RIGHT},  {140, {65, 88}, TextId::SHOWS_WALK_RIGHT},
    {139, {62, 91}, TextId::SHOWS_EATING},      {141, {62, 91}, TextId::SHOWS_EATING},
    {142, {63, 93}, TextId::SHOWS_DRINKING},    {143, {63, 92}, TextId::SHOWS_DRINKING},
    {144, {98, 106}, TextId::SHOWS_LABOUR},     {145, {98, 103}, TextId::SHOWS_LABOUR},
    {147, {63, 86}, TextId::SHOWS_FIRST_PLAY},  {148, {70, 81}, TextId::SHOWS_FIRST_PLAY},
    {149, {73, 80}, TextId::SHOWS_FIRST_PLAY},  {150, {77, 80}, TextId::SHOWS_FIRST_PLAY},
    {151, {77, 80}, TextId::SHOWS_FIRST_PLAY},  {152, {92, 87}, TextId::SHOWS_FIRST_PLAY},
    {153, {63, 77}, TextId::SHOWS_SLEEPING},    {154, {63, 75}, TextId::SHOWS_SLEEPING},
    {161, {60, 88}, TextId::SHOWS_SECOND_PLAY}, {156, {62, 88}, TextId::SHOWS_SECOND_PLAY},
    {157, {63, 86}, TextId::SHOWS_SECOND_PLAY}, {158, {66, 82}, TextId::SHOWS_SECOND_PLAY},
    {159, {69, 80}, TextId::SHOWS_SECOND_PLAY}, {155, {63, 84}, TextId::SHOWS_STRETCH},
    {162, {62, 80}, TextId::SHOWS_STRETCH},     {160, {73, 87}, TextId::SHOWS_STRETCH},
    {163, {63, 94}, TextId::SHOWS_DOWN_LEFT},   {164, {62, 90}, TextId::SHOWS_DOWN_LEFT},
    {165, {62, 90}, TextId::SHOWS_DOWN_RIGHT},  {166, {63, 94}, TextId::SHOWS_DOWN_RIGHT},
};

PictureSize builtInSize(int id) {
    for (const CataloguedPicture& picture : pictureCatalogue) {
        if (picture.id == id) {
            return picture.size;
        }
    }
    return {0, 0};
}

bool hasBuiltInSize(int id, PictureSize size) {
    const PictureSize wanted = builtInSize(id);
    return wanted.width != 0 && size.width == wanted.width && size.height == wanted.height;
}
