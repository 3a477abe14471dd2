#pragma once

#include <boost/math/policies/policy.hpp>

// Boost.Math's policy for the shapes' elliptic integrals: a value that cannot
// be had is NaN or infinite, never an exception.
namespace quiet_math {
namespace policies = boost::math::policies;
using Quiet = policies::policy<policies::domain_error<policies::ignore_error>,
                               policies::pole_error<policies::ignore_error>,
                               policies::overflow_error<policies::ignore_error>,
                               policies::evaluation_error<policies::ignore_error>>;
}  // namespace quiet_math
