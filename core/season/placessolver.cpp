// The mixed-integer model of one component, solved with GLPK.
//
// Per pair of teams that still meet: whole numbers of wins of the first team, draws and wins of
// the second, adding up to the matches left between them. Per team a binary: for the best place
// "ends above the threshold", allowed only when switched on (points - M*y <= T), the fewest
// switched on wanted; for the worst place "ends level or above", held to points >= T when
// switched on (points + M*(1-z) >= T), the most switched on wanted. M is each team's own widest
// distance from the threshold, the tightest that keeps every outcome possible.
//
// When the time runs out the answer is the bound the search has proven (the best open node's, or
// the relaxation's before the search starts), never the best outcome found: the range shown must
// hold every place the team can really reach.
#include "core/season/placescomponent.h"

#include <glpk.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace soccer::places {

namespace {

struct Model {
    glp_prob *problem = glp_create_prob();
    ~Model() { glp_delete_prob(problem); }
    Model() = default;
    Model(const Model &) = delete;
    Model &operator=(const Model &) = delete;
};

// Each team's points from the fixtures as rows of (column, coefficient), team's own binary last.
void buildModel(glp_prob *lp, const Component &component, const Question &question) {
    const PointsScheme &s = question.scheme;
    const bool best = question.side == Side::Best;
    const int teams = int(component.base.size());
    const int pairs = int(component.fixtures.size());
    glp_set_obj_dir(lp, best ? GLP_MIN : GLP_MAX);
    glp_add_rows(lp, teams + pairs);
    glp_add_cols(lp, teams + 3 * pairs);
    QList<int> rows{0}, cols{0};
    QList<double> values{0.0};
    auto put = [&](int row, int col, double value) {
        rows.append(row);
        cols.append(col);
        values.append(value);
    };
    QList<int> fewest = component.base, most = component.base;
    for (int p = 0; p < pairs; ++p) {
        const Fixture &f = component.fixtures[p];
        const int col = teams + 3 * p + 1, row = teams + p + 1;
        for (int k = 0; k < 3; ++k) {
            glp_set_col_kind(lp, col + k, GLP_IV);
            glp_set_col_bnds(lp, col + k, GLP_DB, 0.0, f.count);
            put(row, col + k, 1.0);
        }
        glp_set_row_bnds(lp, row, GLP_FX, f.count, f.count);
        put(f.first + 1, col, s.win), put(f.first + 1, col + 1, s.draw);
        put(f.first + 1, col + 2, s.loss);
        put(f.second + 1, col, s.loss), put(f.second + 1, col + 1, s.draw);
        put(f.second + 1, col + 2, s.win);
        for (int team : {f.first, f.second}) {
            fewest[team] += s.loss * f.count;
            most[team] += s.win * f.count;
        }
    }
    const int t = question.threshold;
    for (int j = 0; j < teams; ++j) {
        glp_set_col_kind(lp, j + 1, GLP_BV);
        glp_set_obj_coef(lp, j + 1, 1.0);
        const int m = best ? most[j] - t : t - fewest[j];
        put(j + 1, j + 1, -m);
        if (best)
            glp_set_row_bnds(lp, j + 1, GLP_UP, 0.0, t - component.base[j]);
        else
            glp_set_row_bnds(lp, j + 1, GLP_LO, t - component.base[j] - m, 0.0);
    }
    glp_load_matrix(lp, int(rows.size()) - 1, rows.data(), cols.data(), values.data());
}

struct Search {
    const std::atomic_bool *cancel = nullptr;
    std::optional<double> openBound; // the best bound among the nodes still open
};

void watchSearch(glp_tree *tree, void *info) {
    auto *search = static_cast<Search *>(info);
    if (search->cancel && search->cancel->load())
        glp_ios_terminate(tree);
    if (const int node = glp_ios_best_node(tree))
        search->openBound = glp_ios_node_bound(tree, node);
}

int remainingMs(const QDeadlineTimer &deadline) {
    return int(std::min<qint64>(deadline.remainingTime(), INT_MAX));
}

// A bound of the count from a real-valued one: the count is whole.
int wholeBound(double value, bool best, int teams) {
    value = std::clamp(value, 0.0, double(teams));
    return best ? int(std::ceil(value - 1e-6)) : int(std::floor(value + 1e-6));
}

std::optional<double> relaxation(glp_prob *lp, const QDeadlineTimer &deadline) {
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.tm_lim = remainingMs(deadline);
    if (glp_simplex(lp, &parm) != 0 || glp_get_status(lp) != GLP_OPT)
        return std::nullopt;
    return glp_get_obj_val(lp);
}

} // namespace

Answer solveWithGlpk(const Component &component, const Question &question,
                     const QDeadlineTimer &deadline, const std::atomic_bool *cancel) {
    const bool best = question.side == Side::Best;
    const int teams = int(component.base.size());
    Answer answer = plainBound(component, question);
    if (remainingMs(deadline) <= 0)
        return answer;
    Model model;
    buildModel(model.problem, component, question);
    const std::optional<double> root = relaxation(model.problem, deadline);
    if (!root || remainingMs(deadline) <= 0)
        return answer;
    answer.count = wholeBound(*root, best, teams);
    Search search{cancel, std::nullopt};
    glp_iocp parm;
    glp_init_iocp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.tm_lim = remainingMs(deadline);
    parm.cb_func = watchSearch;
    parm.cb_info = &search;
    parm.fp_heur = GLP_ON;
    const int status = glp_intopt(model.problem, &parm);
    const int found = glp_mip_status(model.problem);
    if (status == 0 && found == GLP_OPT)
        return {int(std::lround(glp_mip_obj_val(model.problem))), true};
    if (search.openBound) {
        double bound = *search.openBound;
        // An outcome found already beats every open node: the optimum lies between them.
        if (found == GLP_FEAS)
            bound = best ? std::min(bound, glp_mip_obj_val(model.problem))
                         : std::max(bound, glp_mip_obj_val(model.problem));
        const int proven = wholeBound(bound, best, teams);
        answer.count = best ? std::max(answer.count, proven) : std::min(answer.count, proven);
    }
    return answer;
}

} // namespace soccer::places

namespace soccer::places {

SolverSession::SolverSession() {
    glp_term_out(GLP_OFF);
}

SolverSession::~SolverSession() {
    glp_free_env();
}

} // namespace soccer::places
