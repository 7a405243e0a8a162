// The hand-written lists the world is made from. Every place, club, stadium
// and company here is invented; the personal names are common given names and
// surnames, combined at random.
#include "world.h"

namespace kervale::worldgen {

namespace {

using List = std::vector<std::string>;

}  // namespace

const List& firstNames(NameStyle style) {
  static const List american = {
      "James",  "John",     "Robert",    "Michael",   "William", "David",   "Richard", "Joseph",  "Thomas",  "Charles",
      "Daniel", "Matthew",  "Anthony",   "Mark",      "Donald",  "Steven",  "Paul",    "Andrew",  "Joshua",  "Kenneth",
      "Kevin",  "Brian",    "George",    "Timothy",   "Ronald",  "Edward",  "Jason",   "Jeffrey", "Ryan",    "Jacob",
      "Gary",   "Nicholas", "Eric",      "Jonathan",  "Stephen", "Larry",   "Justin",  "Scott",   "Brandon", "Benjamin",
      "Samuel", "Gregory",  "Alexander", "Frank",     "Patrick", "Raymond", "Jack",    "Dennis",  "Jerry",   "Tyler",
      "Aaron",  "Adam",     "Nathan",    "Henry",     "Douglas", "Zachary", "Peter",   "Kyle",    "Walter",  "Ethan",
      "Jeremy", "Harold",   "Keith",     "Christian", "Roger",   "Noah",    "Gerald",  "Carl",    "Terry",   "Sean",
      "Austin", "Arthur",   "Lawrence",  "Jesse",     "Dylan",   "Bryan",   "Jordan",  "Bruce",   "Albert",  "Gabriel",
      "Logan",  "Alan",     "Wayne",     "Roy",       "Ralph",   "Randy",   "Eugene",  "Vincent", "Russell", "Elijah",
      "Louis",  "Philip",   "Cody",      "Travis",    "Derek",   "Chad",    "Brett",   "Grant",   "Wesley",  "Shane",
      "Dustin", "Trent",    "Corey",     "Marcus",    "Dwight",  "Clayton", "Garrett", "Spencer",
  };
  static const List english = {
      "Oliver",    "Harry",   "George",  "Jack",    "Charlie",  "Thomas", "Oscar",     "William",  "James",    "Henry",
      "Alfie",     "Joshua",  "Freddie", "Archie",  "Ethan",    "Isaac",  "Alexander", "Joseph",   "Edward",   "Samuel",
      "Max",       "Daniel",  "Arthur",  "Lucas",   "Mohammed", "Logan",  "Theo",      "Harrison", "Benjamin", "Mason",
      "Sebastian", "Finley",  "Adam",    "Dylan",   "Zachary",  "Riley",  "Teddy",     "Jacob",    "Toby",     "Elliot",
      "Jake",      "Luke",    "Matthew", "Lewis",   "Callum",   "Connor", "Kieran",    "Liam",     "Jamie",    "Ryan",
      "Aaron",     "Bradley", "Craig",   "Darren",  "Dean",     "Gareth", "Gavin",     "Graham",   "Ian",      "Jason",
      "Karl",      "Kevin",   "Lee",     "Mark",    "Martin",   "Neil",   "Nigel",     "Paul",     "Richard",  "Robert",
      "Ross",      "Scott",   "Simon",   "Stephen", "Stuart",   "Trevor", "Wayne",     "Alan",     "Barry",    "Colin",
      "Derek",     "Gordon",  "Keith",   "Malcolm", "Norman",   "Roy",    "Terry",     "Vincent",  "Alistair", "Duncan",
      "Ewan",      "Fraser",  "Hamish",  "Angus",   "Rhys",     "Owen",   "Dafydd",    "Gethin",   "Declan",   "Ciaran",
      "Niall",     "Rory",    "Shaun",   "Dominic", "Jonah",    "Reuben", "Barnaby",   "Rupert",
  };
  static const List german = {
      "Andreas",  "Bernd",    "Christian", "Dieter",  "Dirk",   "Frank",   "Florian", "Georg",     "Gerd",
      "Hans",     "Heiko",    "Helmut",    "Holger",  "Ingo",   "Jan",     "Jens",    "Joachim",   "Jochen",
      "Johannes", "Juergen",  "Kai",       "Karl",    "Klaus",  "Lars",    "Lukas",   "Manfred",   "Marco",
      "Markus",   "Martin",   "Matthias",  "Michael", "Niklas", "Norbert", "Oliver",  "Patrick",   "Peter",
      "Ralf",     "Rainer",   "Rene",      "Robert",  "Roland", "Rolf",    "Sascha",  "Sebastian", "Stefan",
      "Sven",     "Thomas",   "Thorsten",  "Tim",     "Tobias", "Torsten", "Ulrich",  "Uwe",       "Volker",
      "Werner",   "Wolfgang", "Benedikt",  "Dominik", "Felix",  "Fabian",  "Jonas",   "Leon",      "Maximilian",
      "Moritz",   "Nils",     "Philipp",   "Simon",   "Timo",   "Arne",    "Bastian", "Carsten",   "Detlef",
      "Eike",     "Falk",     "Gunnar",    "Hendrik", "Jannik", "Lennart", "Malte",   "Ole",       "Till",
  };
  static const List spanish = {
      "Alejandro", "Andres",   "Antonio",   "Armando", "Arturo",  "Carlos",  "Cesar",   "Cristian", "Daniel",
      "David",     "Diego",    "Eduardo",   "Emilio",  "Enrique", "Ernesto", "Esteban", "Fernando", "Francisco",
      "Gabriel",   "Gerardo",  "Guillermo", "Gustavo", "Hector",  "Hugo",    "Ignacio", "Ivan",     "Jaime",
      "Javier",    "Jesus",    "Joaquin",   "Jorge",   "Jose",    "Juan",    "Julio",   "Leonardo", "Luis",
      "Manuel",    "Marco",    "Mario",     "Martin",  "Mateo",   "Miguel",  "Nicolas", "Oscar",    "Pablo",
      "Pedro",     "Rafael",   "Ramon",     "Raul",    "Ricardo", "Roberto", "Rodrigo", "Rogelio",  "Ruben",
      "Salvador",  "Santiago", "Sergio",    "Tomas",   "Ulises",  "Victor",  "Alfonso", "Benito",   "Camilo",
      "Dario",     "Efrain",   "Fabian",    "Gonzalo", "Horacio", "Isidro",  "Lorenzo", "Mauricio", "Octavio",
  };
  switch (style) {
    case NameStyle::American:
      return american;
    case NameStyle::English:
      return english;
    case NameStyle::German:
      return german;
    case NameStyle::Spanish:
      return spanish;
  }
  return english;
}

const List& lastNames(NameStyle style) {
  static const List american = {
      "Smith",   "Johnson",   "Williams", "Brown",    "Jones",    "Miller",     "Davis",     "Wilson",     "Anderson",
      "Taylor",  "Thomas",    "Moore",    "Martin",   "Jackson",  "Thompson",   "White",     "Harris",     "Clark",
      "Lewis",   "Robinson",  "Walker",   "Young",    "Allen",    "King",       "Wright",    "Hill",       "Green",
      "Adams",   "Baker",     "Nelson",   "Carter",   "Mitchell", "Roberts",    "Turner",    "Phillips",   "Campbell",
      "Parker",  "Evans",     "Edwards",  "Collins",  "Stewart",  "Morris",     "Rogers",    "Reed",       "Cook",
      "Morgan",  "Bell",      "Murphy",   "Bailey",   "Cooper",   "Richardson", "Cox",       "Ward",       "Peterson",
      "Gray",    "Watson",    "Brooks",   "Kelly",    "Sanders",  "Price",      "Bennett",   "Wood",       "Barnes",
      "Ross",    "Henderson", "Coleman",  "Jenkins",  "Perry",    "Powell",     "Long",      "Patterson",  "Hughes",
      "Flores",  "Butler",    "Simmons",  "Foster",   "Bryant",   "Russell",    "Griffin",   "Hayes",      "Myers",
      "Ford",    "Hamilton",  "Graham",   "Sullivan", "Wallace",  "West",       "Cole",      "Owens",      "Reynolds",
      "Fisher",  "Ellis",     "Harrison", "Gibson",   "Marshall", "Murray",     "Freeman",   "Wells",      "Webb",
      "Simpson", "Tucker",    "Porter",   "Hunter",   "Hicks",    "Crawford",   "Boyd",      "Mason",      "Kennedy",
      "Warren",  "Dixon",     "Gordon",   "Shaw",     "Holmes",   "Rice",       "Hunt",      "Black",      "Daniels",
      "Palmer",  "Mills",     "Nichols",  "Knight",   "Ferguson", "Stone",      "Hawkins",   "Dunn",       "Perkins",
      "Hudson",  "Spencer",   "Gardner",  "Payne",    "Pierce",   "Berry",      "Matthews",  "Arnold",     "Wagner",
      "Willis",  "Watkins",   "Olson",    "Carroll",  "Duncan",   "Snyder",     "Hart",      "Cunningham", "Bradley",
      "Lane",    "Andrews",   "Harper",   "Fox",      "Riley",    "Armstrong",  "Carpenter", "Weaver",     "Greene",
      "Elliott", "Sims",      "Peters",   "Franklin", "Lawson",   "Fields",     "Kowalski",  "Lindgren",   "Novak",
  };
  static const List english = {
      "Ashworth",    "Atkinson",   "Barlow",     "Barrett",    "Baxter",         "Birch",        "Blackburn",
      "Booth",       "Bradshaw",   "Briggs",     "Broadhurst", "Buckley",        "Bullock",      "Burgess",
      "Butterworth", "Carr",       "Chadwick",   "Chapman",    "Clegg",          "Cliff",        "Crossley",
      "Dawson",      "Dobson",     "Duckworth",  "Earnshaw",   "Eastwood",       "Entwistle",    "Fairclough",
      "Farrell",     "Fenton",     "Fletcher",   "Gill",       "Greenwood",      "Hale",         "Halliwell",
      "Hammond",     "Hargreaves", "Haworth",    "Heywood",    "Holden",         "Holt",         "Horrocks",
      "Hulme",       "Ingham",     "Jepson",     "Kershaw",    "Kirkham",        "Lambert",      "Lister",
      "Lord",        "Lumb",       "Marsden",    "Mellor",     "Metcalfe",       "Moss",         "Nuttall",
      "Ogden",       "Oldham",     "Parkin",     "Pickles",    "Pilling",        "Platt",        "Pollard",
      "Priestley",   "Ramsden",    "Redfern",    "Riding",     "Rishworth",      "Royle",        "Sagar",
      "Schofield",   "Sharples",   "Shepherd",   "Sidebottom", "Slater",         "Sowerby",      "Stansfield",
      "Starkey",     "Sutcliffe",  "Swindells",  "Tattersall", "Thistlethwaite", "Tillotson",    "Townend",
      "Upton",       "Wadsworth",  "Walmsley",   "Whitehead",  "Whittaker",      "Wilde",        "Winstanley",
      "Woodhead",    "Worrall",    "Yates",      "Ackroyd",    "Bamford",        "Beardsley",    "Bickerstaffe",
      "Brierley",    "Catterall",  "Cowell",     "Dewhurst",   "Eckersley",      "Fazackerley",  "Gledhill",
      "Grimshaw",    "Haigh",      "Hindle",     "Howarth",    "Illingworth",    "Jagger",       "Kenyon",
      "Laycock",     "Mallinson",  "Moorhouse",  "Nield",      "Openshaw",       "Partington",   "Quarmby",
      "Rawcliffe",   "Scholes",    "Shackleton", "Smethurst",  "Sugden",         "Threlfall",    "Tomlinson",
      "Unsworth",    "Waddington", "Walsh",      "Wardle",     "Whiteley",       "Wolstenholme", "Ainsworth",
      "Blundell",    "Cartmell",   "Dootson",    "Eccles",     "Fothergill",     "Garside",      "Helliwell",
      "Hepworth",    "Holroyd",    "Lofthouse",  "Mortimer",   "McAllister",     "McCready",     "MacLeod",
      "Fraser",      "Gilchrist",  "Kerr",       "Lindsay",    "Munro",          "Rennie",       "Davies",
      "Griffiths",   "Llewellyn",  "Pritchard",  "Vaughan",    "O'Hare",         "Doyle",        "Keane",
      "Quinlan",
  };
  static const List german = {
      "Ackermann", "Albrecht",  "Arnold",         "Bachmann",  "Bauer",      "Baumann",    "Beck",      "Becker",
      "Berger",    "Bergmann",  "Brandt",         "Braun",     "Busch",      "Dietrich",   "Ernst",     "Fischer",
      "Frank",     "Franke",    "Friedrich",      "Fuchs",     "Graf",       "Gross",      "Guenther",  "Haas",
      "Hahn",      "Hartmann",  "Heinrich",       "Herrmann",  "Hoffmann",   "Hofmann",    "Huber",     "Jaeger",
      "Jung",      "Kaiser",    "Keller",         "Klein",     "Koch",       "Koehler",    "Kraft",     "Kraus",
      "Krause",    "Krueger",   "Kuhn",           "Lang",      "Lange",      "Lehmann",    "Lorenz",    "Ludwig",
      "Maier",     "Martin",    "Mayer",          "Meier",     "Meyer",      "Moeller",    "Mueller",   "Neumann",
      "Otto",      "Peters",    "Pfeiffer",       "Pohl",      "Richter",    "Roth",       "Sauer",     "Schaefer",
      "Scholz",    "Schmid",    "Schmidt",        "Schmitt",   "Schneider",  "Scholl",     "Schreiber", "Schroeder",
      "Schubert",  "Schulz",    "Schulze",        "Schuster",  "Schwarz",    "Seidel",     "Simon",     "Sommer",
      "Stein",     "Voigt",     "Vogel",          "Vogt",      "Wagner",     "Walter",     "Weber",     "Weiss",
      "Werner",    "Winkler",   "Winter",         "Wolf",      "Wolff",      "Zimmermann", "Brinkmann", "Dreher",
      "Eberhardt", "Finke",     "Gerlach",        "Haller",    "Hellwig",    "Kessler",    "Lindner",   "Marquardt",
      "Nowak",     "Ostermann", "Pietsch",        "Reinhardt", "Rieger",     "Sander",     "Thiele",    "Ullrich",
      "Wendt",     "Ziegler",   "Brettschneider", "Kuehne",    "Lautenbach",
  };
  static const List spanish = {
      "Aguilar",   "Alvarado",  "Alvarez",  "Arellano",  "Avila",     "Barrera",   "Bautista",  "Benitez",  "Bravo",
      "Calderon",  "Camacho",   "Campos",   "Cardenas",  "Carrillo",  "Castaneda", "Castillo",  "Castro",   "Cervantes",
      "Chavez",    "Contreras", "Cortes",   "Cruz",      "Delgado",   "Diaz",      "Dominguez", "Espinoza", "Estrada",
      "Fernandez", "Figueroa",  "Flores",   "Fuentes",   "Gallegos",  "Garcia",    "Garza",     "Gomez",    "Gonzalez",
      "Guerrero",  "Gutierrez", "Guzman",   "Herrera",   "Hernandez", "Ibarra",    "Jimenez",   "Juarez",   "Lara",
      "Leon",      "Lopez",     "Lozano",   "Luna",      "Maldonado", "Marquez",   "Martinez",  "Medina",   "Mejia",
      "Mendez",    "Mendoza",   "Meza",     "Miranda",   "Molina",    "Montes",    "Mora",      "Morales",  "Moreno",
      "Munoz",     "Navarro",   "Nunez",    "Ochoa",     "Orozco",    "Ortega",    "Ortiz",     "Pacheco",  "Padilla",
      "Pena",      "Perez",     "Ponce",    "Quintero",  "Ramirez",   "Ramos",     "Rangel",    "Reyes",    "Rios",
      "Rivera",    "Robles",    "Rocha",    "Rodriguez", "Rojas",     "Romero",    "Rosales",   "Ruiz",     "Salazar",
      "Salinas",   "Sanchez",   "Sandoval", "Santiago",  "Serrano",   "Silva",     "Solis",     "Soto",     "Suarez",
      "Tapia",     "Torres",    "Trujillo", "Valdez",    "Valencia",  "Vargas",    "Vazquez",   "Vega",     "Velasquez",
  };
  switch (style) {
    case NameStyle::American:
      return american;
    case NameStyle::English:
      return english;
    case NameStyle::German:
      return german;
    case NameStyle::Spanish:
      return spanish;
  }
  return english;
}

const List& placeNames(Region region) {
  static const List usa = {
      "Port Alder",      "Halverton",      "Marrow Falls",  "Brisco",       "Cedarholm",     "Lake Tamsin",
      "New Ashbury",     "Orrin City",     "Sable Point",   "Fairhollow",   "Granite Bluff", "Wexmoor",
      "Calvert Springs", "Dunlow Heights", "Elkhollow",     "Foxmere",      "Gallow Creek",  "Harwin Ridge",
      "Ironvale",        "Juniper Bay",    "Kestrel Point", "Larkmoor",     "Mesa Verdant",  "Northwick Harbor",
      "Oakvane",         "Pellan Cove",    "Quarry Hill",   "Riversend",    "Stonewake",     "Tallow Springs",
      "Umberfield",      "Valemont",       "Westerholm",    "Yarrow Flats", "Zephyr Lake",   "Amber Crossing",
      "Bellhaven",       "Copperhollow",   "Driftwood Bay", "Emberton",     "Frostvale",     "Glimmer Bay",
      "Hollisport",      "Ivyhold",        "Jasper Flats",  "Kingsferry",   "Lockmere",      "Millwater",
      "Newgale",         "Orchard Vale",   "Pinehallow",    "Quillfield",   "Ravenhurst",    "Silvermarsh",
      "Thornwick",       "Upland Cross",   "Verdant Falls", "Whitcombe",    "Yellowpine",    "Brightwater",
      "Carrow Point",    "Deepwell",       "Eastmarch",     "Fallowmere",   "Greyhaven",     "Highmeadow",
      "Irongate",        "Kettle Rock",    "Lantern Bay",   "Mossgrove",    "Norrington",
  };
  static const List canada = {
      "Lac Verrier",   "Fort Kesten", "Maple Narrows", "Saint-Orvain",
      "Port Tamarack", "Cedar Sound", "Rimouska Bay",  "Fort Aldane",
  };
  static const List england = {
      "Brantwick",        "Caldermoor",     "Dunhollow",       "Eddingmere",
      "Farrowby",         "Gildenham",      "Harrowdene",      "Inglemoor",
      "Kettlesby",        "Lanthorne",      "Marlowe Bridge",  "Netherwold",
      "Oakenfold",        "Pembry",         "Quenmoor",        "Ravensby",
      "Saltcote Haven",   "Thrushcombe",    "Ullerby",         "Vexford",
      "Wendlebury Cross", "Yarncliffe",     "Ashenbridge",     "Bexmoor",
      "Coldharbour Vale", "Dallingford",    "Eastry Moor",     "Fennick",
      "Gorsebridge",      "Hatherby",       "Ivelstone",       "Jessop Green",
      "Kirkbarrow",       "Lowther Bridge", "Mickleden",       "Northallow",
      "Orwick",           "Pendlecombe",    "Quaintree",       "Redgrave Moor",
      "Stapleworth",      "Tenterby",       "Upper Malden",    "Vinecombe",
      "Wardleigh",        "Yelvercombe",    "Amblecote Vale",  "Barnstow",
      "Crickmoor",        "Denholme Vale",  "Elverby",         "Foxhollow",
      "Grindlewood",      "Hollinsby",      "Irthwick",        "Kelderby",
      "Longmarsh",        "Millbarrow",     "Nettlecombe Bay", "Otterbrook",
      "Porthallow Sands", "Ribbleworth",    "Sandhollow",      "Tollingham",
      "Underbarrow Vale", "Wexcombe",       "Axebridge Moor",  "Bramblecote",
      "Cinderford Vale",  "Dunsworth",      "Ellerwick",       "Fallowfield Cross",
      "Greystow",         "Hemsby Marsh",   "Ickworth Vale",   "Kingscote Moor",
      "Lidderby",         "Marchwick",      "Norbridge",       "Oxley Vale",
      "Pickering Cross",  "Rushwick",       "Stourcombe",      "Thackerby",
      "Wherrymouth",      "Aldermoor",      "Blackwater Vale", "Castlecombe Moor",
      "Drayford",         "Eskerby",        "Frithby",         "Gatesmoor",
      "Hindlecombe",      "Kestlebury",     "Lanworth",        "Moorcastle",
      "Pennyford",        "Sallowby",       "Tarncliffe",      "Wyvernby",
  };
  static const List scotland = {
      "Glenmuir",  "Kilbrannoch", "Auchterlee",    "Dunvarrie",  "Inverallan", "Strathcairn",
      "Balmorran", "Kinlarrick",  "Craigmore Bay", "Lochendry",  "Ardnacraig", "Fearnhill",
      "Tullochan", "Brackenmuir", "Kirkhallan",    "Drumvarrie", "Portallan",  "Cairnlea",
  };
  static const List germany = {
      "Altenbach",
      "Birkenfels",
      "Dornhausen",
      "Eichenwald",
      "Falkenried",
      "Grunhagen",
      "Hollerbach",
      "Ilmendorf",
      "Kaltenbrunn",
      "Lindenau",
      "Moorheim",
      "Nordhaven",
      "Oberwiesen",
      "Pfalzbruck",
      "Rabenstedt",
      "Steinwald",
      "Tannenbruck",
      "Ulmenfeld",
      "Wolfsried",
      "Zellerbach",
      "Auenstein",
      "Brunnenthal",
      "Dachsberg",
      "Erlenhof",
      "Fichtenau",
      "Goldbrunn",
      "Hasenfeld",
      "Kirchwalden",
      "Lerchenau",
      "Muehlhausen am See",
      "Neuenwald",
      "Ostersand",
      "Quellendorf",
      "Rosenhagen",
      "Schwanenburg",
      "Talheim an der Furt",
      "Unterwalden am Fluss",
      "Weidenbruck",
      "Wiesenthal",
      "Eisenried",
      "Kranichfeld am Moor",
      "Buchenstedt",
  };
  static const List mexico = {
      "San Aurelio",
      "Villa Cordera",
      "Puerto Almagre",
      "Santa Ysidra",
      "Ciudad Arenal",
      "Valle Oscuro",
      "San Jacinto del Monte",
      "Los Olmos",
      "Mesa Dorada",
      "Rio Tranquilo",
      "Santa Brisa",
      "Villa Escondida",
      "Ciudad Carmesi",
      "Puerto Sereno",
      "San Telmo de la Sierra",
      "Las Cumbres",
      "Tierra Blanca del Norte",
      "Nueva Aurora",
      "Villa del Cobre",
      "Santa Marisela",
      "Ciudad Palmar",
      "San Lucio",
  };
  static const List australia = {
      "Wattlebrook",      "Port Eydon",      "Coolabah Springs", "Banksia Heights", "Kurrajong Flats",
      "Mount Keverell",   "Bilgarra",        "Tarrawong",        "Ironbark Creek",  "Saltbush Bay",
      "Emu Plains North", "Jarrahdale Vale", "Brolga Point",     "Yallambee",       "Currawong Hills",
  };
  static const List europe = {
      "Montalbo",  "Vilareza",    "Korvania",  "Ostravel", "Sanmaro",   "Lumenberg",  "Castelvarre", "Brezovina",
      "Aldermark", "Velinor",     "Marisport", "Tervaneo", "Kallmora",  "Dravenburg", "Saint-Orlan", "Portovedro",
      "Ravenza",   "Heldenvaart", "Calvenor",  "Nordavik", "Pescaruna", "Zirovac",
  };
  static const List southAmerica = {
      "Rio Velado",    "San Cristobal del Mar", "Ciudad Ocaso", "Puerto Lindero",  "Santa Inocencia",
      "Valparana",     "Los Andarines",         "Mar Austral",  "Tres Cerros",     "Villa Quebracho",
      "Monte Azulado", "Bahia Serena",          "Pampa Alta",   "Ciudad Naranjal",
  };
  static const List elsewhere = {
      "Ashkara",    "Benkali",      "Corumbay", "Darsalem Bay", "Ekundara", "Farhaven", "Gorindi",
      "Halvorsund", "Ishigaro Bay", "Jadeport", "Kalimbo",      "Lunaport", "Matembe",  "Nandira",
      "Okavell",    "Pallisande",   "Qaradun",  "Rendova",      "Sarawind", "Tamboura",
  };
  switch (region) {
    case Region::Usa:
      return usa;
    case Region::Canada:
      return canada;
    case Region::England:
      return england;
    case Region::Scotland:
      return scotland;
    case Region::Germany:
      return germany;
    case Region::Mexico:
      return mexico;
    case Region::Australia:
      return australia;
    case Region::Europe:
      return europe;
    case Region::SouthAmerica:
      return southAmerica;
    case Region::Elsewhere:
      return elsewhere;
  }
  return usa;
}

const List& nicknames(Region region) {
  static const List american = {
      "Kestrels",   "Lanterns",    "Skylarks",    "Ospreys",    "Pathfinders", "Quarrymen",  "Nightjars", "Ironsides",
      "Foundrymen", "Lumberjacks", "Prospectors", "Sentinels",  "Voyagers",    "Wranglers",  "Tempest",   "Cyclones",
      "Herons",     "Bison",       "Marauders",   "Pumas",      "Condors",     "Otters",     "Badgers",   "Stingrays",
      "Gulls",      "Riveters",    "Anglers",     "Torrent",    "Zephyrs",     "Centurions", "Miners",    "Jackrabbits",
      "Settlers",   "Admirals",    "Corsairs",    "Privateers", "Drovers",     "Foxhounds",  "Gales",     "Ridgebacks",
      "Sandpipers", "Tanagers",    "Woodchucks",  "Nomads",     "Rivermen",    "Stags",      "Owls",      "Vanguard",
      "Beacons",    "Paddlers",    "Archers",     "Bluebills",  "Grackles",    "Loggers",    "Keelboats", "Canvasbacks",
  };
  static const List english = {"United",   "Town",    "City",        "Rovers",   "Athletic", "Albion",   "Wanderers",
                               "County",   "Borough", "Rangers",     "Harriers", "Olympic",  "Dynamos",  "Swifts",
                               "Victoria", "Celtic",  "Corinthians", "Invicta",  "Priory",   "Foresters"};
  static const List scotland = {"Thistle", "Athletic", "Academicals", "Rovers",    "United",  "Albion",
                                "Star",    "Rangers",  "Queens",      "Wanderers", "Emerald", "Heather"};
  static const List germany = {"FC",      "SV",       "SC",    "TSV",      "VfL",          "SpVgg",        "Eintracht",
                               "Fortuna", "Viktoria", "Union", "Germania", "Sportfreunde", "Kickers 1907", "Teutonia"};
  static const List mexico = {"Deportivo", "Atletico", "Club",     "Real",           "Union", "Sporting",
                              "Racing",    "Juventud", "Halcones", "Leones Dorados", "Toros", "Venados"};
  static const List australia = {"City",    "United",   "FC",      "Rangers",   "Strikers", "Knights",
                                 "Olympic", "Athletic", "Magpies", "Stallions", "Dolphins"};
  static const List europe = {"FC",    "SC",       "Dinamo",    "Sporting", "Olympia", "Racing",
                              "Union", "Athletic", "Lokomotiv", "Vitesse",  "Rapide",  "Sparta"};
  static const List southAmerica = {"Deportivo", "Atletico",   "Sportivo",    "Union", "Racing",
                                    "Juventud",  "Defensores", "Estudiantes", "Ferro", "Central"};
  static const List elsewhere = {"FC",       "United",  "Stars",   "City",     "Sporting",
                                 "Athletic", "Rangers", "Dynamos", "Leopards", "Eagles of the Coast"};
  switch (region) {
    case Region::Usa:
    case Region::Canada:
      return american;
    case Region::England:
      return english;
    case Region::Scotland:
      return scotland;
    case Region::Germany:
      return germany;
    case Region::Mexico:
      return mexico;
    case Region::Australia:
      return australia;
    case Region::Europe:
      return europe;
    case Region::SouthAmerica:
      return southAmerica;
    case Region::Elsewhere:
      return elsewhere;
  }
  return american;
}

const List& stadiumWords(Region region) {
  static const List american = {
      "Halloran",   "Whitcomb", "Pemberton",  "Carraway",  "Lindqvist",  "Ashby",    "Galloway",  "Merriweather",
      "Thackeray",  "Dunleavy", "Harcourt",   "Kinsella",  "Rutherford", "Stanwick", "Bellamy",   "Corrigan",
      "Lakeshore",  "Founders", "Veterans",   "Pioneer",   "Cedar",      "Granite",  "Harbor",    "Summit",
      "Meadowlark", "Canyon",   "Prairie",    "Bluewater", "Copperline", "Eastgate", "Riverside", "Union Mill",
      "Tamarack",   "Sawgrass", "Lighthouse", "Elmwood",   "Birchfield", "Foundry",  "Railyard",  "Millrace",
  };
  static const List english = {
      "Tannery",      "Ropery",    "Cinderhill", "Millrace",  "Wherry",    "Brickfield", "Coalpit",    "Limekiln",
      "Weavers",      "Coopers",   "Fullers",    "Chandlers", "Sawmill",   "Dyehouse",   "Toll Bar",   "Hopfield",
      "Quayside",     "Wellgate",  "Cornmarket", "Horsefair", "Pinfold",   "Glebe",      "Turnpike",   "Spindle",
      "Bellfounders", "Gasholder", "Sluice",     "Lockgate",  "Wharfside", "Pottery",    "Tithe Barn", "Beacon",
      "Windmill",     "Parsonage", "Almshouse",  "Malthouse", "Ferryboat", "Drovers",    "Saddlers",   "Netmakers",
      "Clothiers",    "Tinkers",   "Ostlers",    "Carters",   "Ironworks", "Bobbin",     "Shuttle",    "Kilnyard",
  };
  static const List scotland = {"Burnside",  "Kirkgate",  "Whinhill",    "Braeside",  "Loanend",  "Millbrae",
                                "Glebeside", "Cairnhill", "Heatherbank", "Stanebrae", "Mossend",  "Craigside",
                                "Lochview",  "Thornbrae", "Wellbrae",    "Boghall",   "Bankfoot", "Riverbrae"};
  static const List germany = {"Wald",     "Berg",    "See",     "Linden",  "Eichen",  "Hafen",    "Muehlen",
                               "Birken",   "Rosen",   "Schloss", "Heide",   "Feld",    "Tannen",   "Bruecken",
                               "Brunnen",  "Kloster", "Ulmen",   "Weiden",  "Wiesen",  "Auen",     "Fichten",
                               "Ahorn",    "Kiefern", "Moor",    "Teich",   "Quellen", "Felsen",   "Sonnen",
                               "Falken",   "Adler",   "Hirsch",  "Kranich", "Lerchen", "Mergel",   "Kiesgruben",
                               "Ziegelei", "Gaswerk", "Bahnhof", "Kanal",   "Deich",   "Hochufer", "Stadtpark"};
  static const List mexico = {"Libertad",         "Los Arcos",     "El Mirador", "Del Sol",      "La Cantera",
                              "Monte Claro",      "Tres Rios",     "La Ribera",  "Los Pinos",    "El Alamo",
                              "Las Jacarandas",   "La Hacienda",   "El Faro",    "Los Volcanes", "La Alameda",
                              "El Quetzal",       "Las Magnolias", "El Molino",  "Los Cedros",   "La Loma",
                              "El Paraiso Verde", "Los Naranjos"};
  static const List australia = {"Banksia",   "Wattle",     "Jacaranda", "Ironbark", "Coolabah",
                                 "Saltbush",  "Kingfisher", "Bluegum",   "Brolga",   "Currawong",
                                 "Paperbark", "Redgum",     "Spinifex",  "Boronia",  "Lillypilly"};
  static const List europe = {"Valmonte",   "Corvino",  "Marenzi",  "Oriol",     "Dravic",   "Lindqvarn",
                              "Asterhoff",  "Belvane",  "Castaldo", "Dunmarek",  "Ferrante", "Grevald",
                              "Hollenkamp", "Istrani",  "Jorvald",  "Korsgaard", "Lucarno",  "Montverre",
                              "Novarek",    "Orsolini", "Pellegra", "Quirinal",  "Roskova",  "Sandoval"};
  static const List southAmerica = {
      "Presidente Ocampo",      "Libertador Arce",       "El Condor",       "La Bombonerita",   "Centenario del Sur",
      "Monumental de la Costa", "Heroes de Tres Cerros", "General Iriarte", "Doctor Valcarcel", "La Pampa",
      "El Algarrobo",           "Las Gaviotas",          "Ocho de Mayo",    "Padre Mendieta"};
  static const List elsewhere = {"Unity",  "Independence", "Harmony",   "Coral",   "Sunrise",     "Baobab",
                                 "Lagoon", "Jubilee",      "Frontier",  "Monsoon", "Highland",    "Savanna",
                                 "Delta",  "Cedar Grove",  "Tidewater", "Marble",  "Golden Reef", "Sandstone"};
  switch (region) {
    case Region::Usa:
    case Region::Canada:
      return american;
    case Region::England:
      return english;
    case Region::Scotland:
      return scotland;
    case Region::Germany:
      return germany;
    case Region::Mexico:
      return mexico;
    case Region::Australia:
      return australia;
    case Region::Europe:
      return europe;
    case Region::SouthAmerica:
      return southAmerica;
    case Region::Elsewhere:
      return elsewhere;
  }
  return american;
}

// "{}" stands for the stadium word.
const List& stadiumForms(Region region) {
  static const List american = {"{} Field",       "{} Stadium",          "{} Park", "{} Memorial Stadium", "{} Bowl",
                                "{} Sports Park", "{} Community Stadium"};
  static const List english = {"{} Road",   "{} Lane",   "{} Park",   "The {}",
                               "{} Ground", "{} Meadow", "{} Street", "{} Common"};
  static const List scotland = {"{} Park", "{} Stadium", "{} Road", "{} Haugh"};
  static const List germany = {"{}-Stadion", "Stadion am {}", "{}-Sportpark", "{}-Kampfbahn", "{}arena"};
  static const List spanishSpeaking = {"Estadio {}"};
  static const List australia = {"{} Oval", "{} Park", "{} Reserve", "{} Stadium"};
  static const List europe = {"Stadio {}", "Stade {}", "{} Arena", "Estadio {}", "{} Stadion"};
  static const List elsewhere = {"{} Stadium", "{} Arena", "{} National Ground", "{} Park"};
  switch (region) {
    case Region::Usa:
    case Region::Canada:
      return american;
    case Region::England:
      return english;
    case Region::Scotland:
      return scotland;
    case Region::Germany:
      return germany;
    case Region::Mexico:
    case Region::SouthAmerica:
      return spanishSpeaking;
    case Region::Australia:
      return australia;
    case Region::Europe:
      return europe;
    case Region::Elsewhere:
      return elsewhere;
  }
  return american;
}

const List& sponsorNames() {
  static const List sponsors = {
      "Halden Motors",        "Bluecrest Insurance",
      "Northgate Savings",    "Copperline Telecom",
      "Sunvale Dairy",        "Redwing Airways",
      "Greywater Brewing",    "Kestrel Electronics",
      "Marlowby Foods",       "Pinecone Software",
      "Tidewell Energy",      "Brightholm Bakeries",
      "Vantor Computers",     "Oakmere Building Society",
      "Lumen Optics",         "Harrowby Cola",
      "Fenmoor Tyres",        "Quillon Pens",
      "Starling Mobile",      "Orchard Lane Cider",
      "Saltmarsh Shipping",   "Highcliff Hotels",
      "Emberton Gas",         "Velora Cosmetics",
      "Duncraig Distillers",  "Norvel Pharmaceuticals",
      "Axton Sportswear",     "Cobaltia Credit Union",
      "Silverfin Seafoods",   "Marrowby Motor Group",
      "Thistledown Mills",    "Caravel Cruises",
      "Ironquay Engineering", "Glowmarsh Lighting",
      "Brackwater Breweries", "Wrenfield Furniture",
      "Aldane Paints",        "Juniper Rail",
      "Frostline Freezers",   "Gallowbrook Garden Centres",
      "Skyvane Satellite",    "Orwen Oil",
      "Pellucid Water",       "Rookwood Records",
      "Tamsin Toys",          "Vexley Vacuums",
      "Wyncote Wallpapers",   "Yarrowfield Yoghurt",
      "Zennor Zips",          "Ambergate Amusements",
      "Bellcourt Bicycles",   "Cindermoor Cement",
      "Dapplegrey Dog Food",  "Eastmarch Electrical",
      "Fallowdeer Farms",     "Granitehill Quarries",
      "Hopscotch Home Loans", "Inkwell Publishing",
      "Jettison Jets",        "Kilnhouse Pottery",
      "Lockmere Locksmiths",  "Mistral Fans",
      "Nutbrook Nuts",        "Oxbow Outdoor",
  };
  return sponsors;
}

}  // namespace kervale::worldgen
