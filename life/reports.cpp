// The rabbit's messages, assembled around its name.
#include "life/reports.h"

#include "rabbit/pet_record.h"

std::string aboutRabbit(TextId id) {
    return fillIn(id, {{"name", petNameUtf8()}});
}
