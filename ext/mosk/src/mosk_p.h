#pragma once

#include <mosk/mosk.hpp>
