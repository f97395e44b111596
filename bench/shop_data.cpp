// The generated shop: an appliance and furniture retailer selling on instalments and for
// cash. Everything goes through the store with bound values, one transaction per file.
#include "shop_data.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "store/schema.h"
#include "store/store.h"
#include "util/dates.h"
#include "util/text.h"

namespace kelmo::bench {
namespace {

namespace fs = std::filesystem;
using store::Store;

constexpr long long kDay = 86400;

const char* const kLastNames[] = {
    "BENALI",   "BOUZID", "HADDAD",   "MEZIANE",  "SAIDI",    "BELKACEM", "KHELIFI",  "BRAHIMI",
    "DJEBBAR",  "CHERIF", "MANSOURI", "HAMIDI",   "LARBI",    "TOUATI",   "ZERROUKI", "BOUDIAF",
    "AMRANI",   "GHERBI", "NAILI",    "FERHAT",   "BENSALEM", "KACI",     "MOKRANI",  "RAHMANI",
    "SLIMANI",  "AOUDIA", "BENYAHIA", "DERRADJI", "OUALI",    "TALEB",    "BOUKHARI", "LAOUFI",
    "HAMMOUDI", "CHAOUI", "MEDJDOUB", "ABBAS",    "YAHIAOUI", "BENAISSA", "GUERFI",   "REZKI"};
const char* const kFirstNames[] = {"KARIM",  "AHMED",  "FATIMA",     "MOHAMED", "AMINA",  "YACINE",
                                   "SAMIRA", "OMAR",   "NADIA",      "RACHID",  "LEILA",  "SALIM",
                                   "HOURIA", "MOURAD", "SONIA",      "DJAMEL",  "NASSIM", "ZINEB",
                                   "FARID",  "MALIKA", "ABDELKADER", "SIHAM",   "HAMID",  "KHEIRA",
                                   "NABIL",  "WAHIBA", "TAREK",      "LAMIA",   "ISMAIL", "DALILA"};
const char* const kTowns[] = {"SETIF",  "BATNA",    "CONSTANTINE",        "BEJAIA",
                              "M'SILA", "EL EULMA", "BORDJ BOU ARRERIDJ", "AIN OULMENE",
                              "JIJEL",  "MILA"};
const char* const kOccupations[] = {
    "ENSEIGNANT",  "INFIRMIER",    "POLICIER",   "AGENT ADMINISTRATIF", "MEDECIN",   "COMPTABLE",
    "RETRAITE",    "MILITAIRE",    "INGENIEUR",  "TECHNICIEN",          "CHAUFFEUR", "SECRETAIRE",
    "COMMERCANT",  "OUVRIER",      "PROFESSEUR", "AGENT DE SECURITE",   "BANQUIER",  "PHARMACIEN",
    "ELECTRICIEN", "FONCTIONNAIRE"};
const char* const kKinds[] = {
    "REFRIGERATEUR",  "CUISINIERE", "MACHINE A LAVER", "TELEVISEUR",        "CLIMATISEUR",
    "CHAUFFE-EAU",    "ASPIRATEUR", "MICRO-ONDES",     "CONGELATEUR",       "HOTTE",
    "FER A REPASSER", "MIXEUR",     "SALON",           "CHAMBRE A COUCHER", "MATELAS",
    "ARMOIRE",        "TABLE",      "TELEPHONE",       "ORDINATEUR",        "RADIATEUR"};
const char* const kBrands[] = {"CONDOR",    "ENIEM", "SAMSUNG", "LG",        "IRIS", "BRANDT",
                               "STARLIGHT", "GEANT", "BEKO",    "WHIRLPOOL", "SONY", "RAYLAN"};
const char* const kCashReasons[] = {"LOYER",     "ELECTRICITE", "SALAIRES",
                                    "TRANSPORT", "FOURNITURES", "VERSEMENT BANQUE"};

template <size_t N>
constexpr int count(const char* const (&)[N]) {
    return static_cast<int>(N);
}

// The standard library's distributions differ between implementations: draw by hand so
// the data are the same everywhere.
class Random {
  public:
    long long between(long long lo, long long hi) {
        return lo + static_cast<long long>(next() % static_cast<unsigned long long>(hi - lo + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <size_t N>
    const char* pick(const char* const (&list)[N]) {
        return list[between(0, N - 1)];
    }
    // An index in [0, n) favouring the low end: a few products sell much more than the rest.
    int skewed(int n) {
        double u = static_cast<double>(next() % 1000000) / 1000000.0;
        return std::min(n - 1, static_cast<int>(n * u * u * u));
    }

  private:
    unsigned long long next() {  // splitmix64
        unsigned long long z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    unsigned long long state_ = 20260101;
};

struct Date {
    std::string text;
    std::string num;
};

Date date_of(long long day) {
    return {date_of_day_number(day), to_text(day)};
}

int days_in_month(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

long long day_of(int y, int m, int d) {
    return day_number(format_date({y, m, std::min(d, days_in_month(y, m))}));
}

long long round_dinars(long long hundredths) {
    return hundredths / 100 * 100;
}

struct Product {
    std::string code;
    long long pa, pvf, pvc, qi, stock;
};

struct Client {
    std::string code;
};

// One insert statement per table, run with its values; a failure stops the generation.
class Writer {
  public:
    Writer(Store& store, QuietOperator& op) : store_(store), op_(op) {}
    void insert(int db, const char* sql, const store::Params& values) {
        if (!store_.update(db, sql, values)) throw std::runtime_error(op_.last);
    }

  private:
    Store& store_;
    QuietOperator& op_;
};

class Generator {
  public:
    Generator(Store& store, QuietOperator& op, const ShopSize& size) : w_(store, op), size_(size) {}

    void run() {
        make_products();
        make_clients();
        make_suppliers();
        long long last = day_number(kLastDay);
        int last_year = std::stoi(std::string(kLastDay).substr(6));
        for (int y = last_year - size_.years + 1; y <= last_year; ++y) {
            long long first = day_of(y, 1, 1);
            long long days = day_of(y, 12, 31) / kDay - first / kDay + 1;
            // Documents are numbered in date order, spread evenly over the year.
            auto on = [&](int k, int n) { return first + (k * days / n) * kDay; };
            for (int k = 0; k < size_.instalment_sales; ++k)
                instalment_sale(on(k, size_.instalment_sales), last);
            for (int k = 0; k < size_.cash_sales; ++k) cash_sale(on(k, size_.cash_sales));
            for (int k = 0; k < size_.receipts; ++k) receipt(on(k, size_.receipts));
            for (int k = 0; k < size_.regularisations; ++k)
                regularisation(on(k, size_.regularisations));
            for (int k = 0; k < size_.client_payments; ++k)
                client_payment(on(k, size_.client_payments));
            for (int k = 0; k < size_.supplier_payments; ++k)
                supplier_payment(on(k, size_.supplier_payments));
            for (int k = 0; k < size_.cash_operations; ++k)
                cash_operation(on(k, size_.cash_operations));
        }
        write_products();
        w_.insert(store::kCpte, "insert into FCpte values (?,?)", {"50000000", "4025817"});
    }

  private:
    // Prices first, rows last: the stock column holds the result of every movement.
    void make_products() {
        for (int i = 0, code = 1; i < size_.products; ++i, ++code) {
            if (code == 999 || code == 9999) ++code;  // header-row markers
            long long pa = rnd_.between(20, 1500) * 10000;
            products_.push_back({to_text(code), pa, round_dinars(pa * 145 / 100),
                                 round_dinars(pa * 125 / 100), rnd_.between(0, 20) * 100, 0});
            products_.back().stock = products_.back().qi;
        }
    }

    void write_products() {
        for (const Product& p : products_) {
            std::string name = std::string(rnd_.pick(kKinds)) + " " + rnd_.pick(kBrands) + " " +
                               to_text(rnd_.between(100, 999)) + "-" + p.code;
            w_.insert(store::kProd, "insert into FProd values (?,?,?,?,?,?,?,?,?)",
                      {p.code, name, to_text(p.qi), to_text(p.pa), to_text(p.pvf), to_text(p.pvc),
                       to_text(p.stock), "REF" + p.code, to_text(p.pa)});
        }
    }

    void make_clients() {
        for (const char* fonc : kOccupations)
            w_.insert(store::kFonc, "insert into fFonc values (?)", {fonc});
        long long ccp = 1000000;
        for (int i = 1; i <= size_.clients; ++i) {
            std::string code = to_text(i);
            bool instalments = rnd_.chance(60);
            ccp += rnd_.between(1, 400);
            std::string tel =
                "0" + to_text(rnd_.between(5, 7)) + to_text(rnd_.between(10000000, 99999999));
            std::string address = "CITE " + to_text(rnd_.between(20, 1200)) + " LOGTS BT " +
                                  to_text(rnd_.between(1, 60)) + " " + rnd_.pick(kTowns);
            std::string born = format_date({static_cast<int>(rnd_.between(1950, 2002)),
                                            static_cast<int>(rnd_.between(1, 12)),
                                            static_cast<int>(rnd_.between(1, 28))});
            w_.insert(store::kClient, "insert into fclient values (?,?,?,?,?,?,?,?,?)",
                      {code, std::string(rnd_.pick(kLastNames)) + " " + rnd_.pick(kFirstNames),
                       address, tel, instalments ? rnd_.pick(kOccupations) : "", born,
                       instalments ? to_text(ccp) : "", rnd_.chance(5) ? "500000" : "0",
                       instalments ? "1" : "0"});
            (instalments ? instalment_clients_ : cash_clients_).push_back({code});
        }
    }

    void make_suppliers() {
        for (int i = 1; i <= size_.suppliers; ++i)
            w_.insert(store::kFour, "insert into Ffour values (?,?,?,?,?)",
                      {to_text(i),
                       std::string(rnd_.chance(50) ? "SARL " : "ETS ") + rnd_.pick(kLastNames) +
                           " " + rnd_.pick(kBrands) + " " + to_text(i),
                       std::string("ZONE INDUSTRIELLE ") + rnd_.pick(kTowns),
                       "036" + to_text(rnd_.between(100000, 999999)), "0"});
    }

    Product& product() { return products_[rnd_.skewed(static_cast<int>(products_.size()))]; }

    // Distinct products for the lines of one document.
    std::vector<Product*> lines(int n) {
        std::vector<Product*> out;
        while (static_cast<int>(out.size()) < n) {
            Product* p = &product();
            if (std::find(out.begin(), out.end(), p) == out.end()) out.push_back(p);
        }
        return out;
    }

    void instalment_sale(long long day, long long last) {
        Date d = date_of(day);
        std::string num = to_text(++blf_);
        std::string numdos = to_text(100000 + blf_);
        const std::string& client =
            instalment_clients_[rnd_.between(0, instalment_clients_.size() - 1)].code;
        long long total = 0;
        for (Product* p : lines(static_cast<int>(rnd_.between(1, 3)))) {
            long long qte = rnd_.chance(85) ? 100 : 200;
            long long mnt = qte * p->pvf / 100;
            total += mnt;
            p->stock -= qte;
            w_.insert(
                store::kBlfProd, "insert into FblfProd values (?,?,?,?,NULL,?,?,?,?)",
                {num, d.text, d.num, client, p->code, to_text(qte), to_text(p->pvf), to_text(mnt)});
        }
        long long remise = rnd_.chance(30) ? round_dinars(total / 50) : 0;
        long long first = round_dinars((total - remise) / 5);
        long long net = total - remise - first;
        static const int kMonths[] = {6, 10, 12, 18, 24};
        int months = kMonths[rnd_.between(0, 4)];
        long long monthly = (net / months + 99) / 100 * 100;
        int jp = static_cast<int>(rnd_.between(1, 5)) * 5;
        w_.insert(store::kBlf, "insert into fBLf values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                  {num, d.text, d.num, client, to_text(jp), to_text(total), to_text(remise),
                   to_text(first), d.text, "ESPECE", to_text(net), to_text(months),
                   to_text(monthly), "1", to_text(monthly), to_text(net), numdos});
        // Calendar from the month after the sale; the instalments already due are mostly
        // paid, by direct debit a few days after the planned day.
        CivilDate start = parse(d.text);
        for (int tr = 1; tr <= months; ++tr) {
            int m = start.month - 1 + tr;
            long long due = day_of(start.year + m / 12, m % 12 + 1, jp);
            long long amount = tr < months ? monthly : std::max(0LL, net - monthly * (months - 1));
            Date c = date_of(due);
            w_.insert(store::kCal, "insert into Fcal values (?,?,?,?,?,?)",
                      {num, numdos, c.text, c.num, to_text(tr), to_text(amount)});
            if (due > last || !rnd_.chance(93)) continue;
            Date v = date_of(std::min(last, due + rnd_.between(0, 5) * kDay));
            w_.insert(store::kBlfVer, "insert into fBlfVer values (?,?,?,?,?,?,?,?)",
                      {num, numdos, client, v.text, v.num, to_text(tr), to_text(amount),
                       rnd_.chance(90) ? "VO" : ""});
        }
    }

    void cash_sale(long long day) {
        Date d = date_of(day);
        std::string num = to_text(++blc_);
        const std::string& client = cash_clients_[rnd_.between(0, cash_clients_.size() - 1)].code;
        long long ht = 0;
        for (Product* p : lines(static_cast<int>(rnd_.between(1, 4)))) {
            long long qte = rnd_.between(1, 3) * 100;
            long long mnt = qte * p->pvc / 100;
            ht += mnt;
            p->stock -= qte;
            w_.insert(
                store::kBlc,
                "insert into Fblc (Numdoc,DateDoc,DateNum,Codeclient,CodeProd,"
                "Qte,Pu,Mnt) values (?,?,?,?,?,?,?,?)",
                {num, d.text, d.num, client, p->code, to_text(qte), to_text(p->pvc), to_text(mnt)});
        }
        long long remise = rnd_.chance(15) ? round_dinars(ht / 50) : 0;
        long long ver = rnd_.chance(90) ? ht - remise : round_dinars((ht - remise) / 2);
        std::string mode =
            rnd_.chance(85) ? "ESPECE" : "CHEQUE N° " + to_text(rnd_.between(1000000, 9999999));
        w_.insert(
            store::kBlc, "insert into Fblc values (?,?,?,?,'9999','0','0','0',?,?,?,?,'0',?)",
            {num, d.text, d.num, client, "0", to_text(ht), to_text(remise), to_text(ver), mode});
    }

    void receipt(long long day) {
        Date d = date_of(day);
        std::string num = to_text(++br_);
        std::string supplier = to_text(rnd_.between(1, size_.suppliers));
        long long ht = 0;
        for (Product* p : lines(static_cast<int>(rnd_.between(2, 10)))) {
            long long qte = rnd_.between(1, 10) * 100;
            long long pu = round_dinars(p->pa * rnd_.between(95, 105) / 100);
            long long mnt = qte * pu / 100;
            ht += mnt;
            p->stock += qte;
            w_.insert(
                store::kBr,
                "insert into FBr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,"
                "Qte,Pu,Mnt) values (?,?,?,?,?,?,?,?)",
                {num, d.text, d.num, supplier, p->code, to_text(qte), to_text(pu), to_text(mnt)});
        }
        bool paid = rnd_.chance(60);
        w_.insert(store::kBr, "insert into FBr values (?,?,?,?,'9999','0','0','0',?,'0',?,'0',?)",
                  {num, d.text, d.num, supplier, to_text(ht), paid ? to_text(ht) : "0",
                   paid ? (rnd_.chance(50) ? "ESPECE" : "CHEQUE") : "A TERME"});
    }

    void regularisation(long long day) {
        Date d = date_of(day);
        Product& p = product();
        long long q = rnd_.between(1, 3) * 100;
        bool in = rnd_.chance(40);
        p.stock += in ? q : -q;
        w_.insert(store::kBrs, "insert into FBrs values (?,?,?,?,?,?,?)",
                  {to_text(++brs_), d.text, d.num, p.code, in ? to_text(q) : "0",
                   in ? "0" : to_text(q), in ? "INVENTAIRE" : "CASSE"});
    }

    void client_payment(long long day) {
        Date d = date_of(day);
        const std::string& client =
            rnd_.chance(70)
                ? instalment_clients_[rnd_.between(0, instalment_clients_.size() - 1)].code
                : cash_clients_[rnd_.between(0, cash_clients_.size() - 1)].code;
        static const char* const kModes[] = {"ESPECE", "CHEQUE", "VO"};
        w_.insert(store::kVer, "insert into fVerR values (?,?,?,?,?,?,?)",
                  {to_text(++ver_r_), d.text, d.num, client, to_text(rnd_.between(10, 500) * 10000),
                   rnd_.pick(kModes), ""});
    }

    void supplier_payment(long long day) {
        Date d = date_of(day);
        w_.insert(
            store::kVer, "insert into fVerE values (?,?,?,?,?,?,?)",
            {to_text(++ver_e_), d.text, d.num, to_text(rnd_.between(1, size_.suppliers)),
             to_text(rnd_.between(100, 5000) * 10000), rnd_.chance(40) ? "ESPECE" : "CHEQUE", ""});
    }

    void cash_operation(long long day) {
        Date d = date_of(day);
        bool receipt = rnd_.chance(20);
        std::string amount = to_text(rnd_.between(10, 2000) * 10000);
        w_.insert(store::kCaisse, "insert into fcaisse values (?,?,?,?,?,?)",
                  {to_text(++caisse_), d.text, d.num, receipt ? amount : "0",
                   receipt ? "0" : amount, receipt ? "APPORT" : rnd_.pick(kCashReasons)});
    }

    static CivilDate parse(const std::string& text) {
        return {std::stoi(text.substr(6)), std::stoi(text.substr(3, 2)),
                std::stoi(text.substr(0, 2))};
    }

    Writer w_;
    ShopSize size_;
    Random rnd_;
    std::vector<Product> products_;
    std::vector<Client> instalment_clients_, cash_clients_;
    long long blf_ = 0, blc_ = 0, br_ = 0, brs_ = 0, ver_r_ = 0, ver_e_ = 0, caisse_ = 0;
};

bool holds_data(const std::string& folder) {
    return fs::exists(fs::path(folder) / "dbProd.db");
}

}  // namespace

void generate_shop(const std::string& folder, const ShopSize& size) {
    if (holds_data(folder)) throw std::runtime_error(folder + " already holds data files");
    store::create_data_folder(folder);
    QuietOperator op;
    std::unique_ptr<Store> store = Store::open(op, folder);
    if (!store) throw std::runtime_error(op.last);
    // One transaction per file: the folder is written in a few commits, not a million.
    std::vector<std::unique_ptr<Store::Transaction>> transactions;
    for (const store::DataFile& file : store::data_files())
        transactions.push_back(std::make_unique<Store::Transaction>(*store, file.db));
    Generator(*store, op, size).run();
    for (auto& t : transactions)
        if (!t->commit()) throw std::runtime_error("commit failed: " + op.last);
}

const std::string& bench_data_folder() {
    static const std::string folder = [] {
        if (const char* env = std::getenv("KELMO_BENCH_DATA"); env && *env) {
            // Generated aside and renamed when complete: an interrupted run leaves no
            // half-filled folder that later runs would take for the data.
            if (!holds_data(env)) {
                std::string partial = std::string(env) + ".partial";
                fs::remove_all(partial);
                generate_shop(partial, {});
                fs::remove_all(env);
                fs::rename(partial, env);
            }
            return std::string(env);
        }
        std::string pattern = (fs::temp_directory_path() / "kelmo-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary directory");
        static const std::string root = pattern;
        std::atexit([] { fs::remove_all(root); });
        generate_shop(root + "/Data");
        return root + "/Data";
    }();
    return folder;
}

std::string busiest_product(const std::string& folder) {
    QuietOperator op;
    std::unique_ptr<Store> store = Store::open(op, folder);
    return store
        ->query(store::kBlc,
                "select CodeProd from Fblc where CodeProd<>'9999' group by CodeProd "
                "order by count(*) desc limit 1")
        .first();
}

}  // namespace kelmo::bench
