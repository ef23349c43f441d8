#pragma once
// The whole core scene library in one include.
#include "holvane/error.hpp"
#include "holvane/factory.hpp"
#include "holvane/fields.hpp"
#include "holvane/node.hpp"
#include "holvane/proto_node.hpp"
#include "holvane/routes.hpp"
#include "holvane/standard_nodes.hpp"
#include "holvane/traverser.hpp"
#include "holvane/ui_nodes.hpp"
