#pragma once

#include <boost/math/policies/policy.hpp>

// Boost.Math's policy for the shapes' elliptic integrals: a value that cannot
// be had is NaN or infinite, never an exception; and doubles are worked in
// double, not promoted to long double: Carlson's duplication keeps full double
// precision on its own, at a third of the time.
namespace quiet_math {
namespace policies = boost::math::policies;
using Quiet = policies::policy<
    policies::domain_error<policies::ignore_error>, policies::pole_error<policies::ignore_error>,
    policies::overflow_error<policies::ignore_error>,
    policies::evaluation_error<policies::ignore_error>, policies::promote_double<false>>;
}  // namespace quiet_math
