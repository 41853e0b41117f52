'use strict';
// Region code of the program's region table (FIPS 10-4 style) for each ISO 3166-1 country code of
// the GeoNames city list. US places are keyed by state instead ("US" + state), and the Palestinian
// territories and Svalbard and Jan Mayen by position (see regions.js). Countries that the table
// predates are filed under the region they belonged to: Serbia, Montenegro and Kosovo under
// Yugoslavia, South Sudan under Sudan, Curacao, Sint Maarten and the Caribbean Netherlands under the
// Netherlands Antilles, Saint Barthelemy and Saint Martin under Guadeloupe, Aland under Finland.
const ISO_TO_REGION = {
  AD: 'AN', AE: 'AE', AF: 'AF', AG: 'AC', AI: 'AV', AL: 'AL', AM: 'AM', AO: 'AO', AR: 'AR',
  AS: 'USAS', AT: 'AU', AU: 'AS', AW: 'AA', AX: 'FI', AZ: 'AJ', BA: 'BK', BB: 'BB', BD: 'BG',
  BE: 'BE', BF: 'UV', BG: 'BU', BH: 'BA', BI: 'BY', BJ: 'BN', BL: 'GP', BM: 'BD', BN: 'BX',
  BO: 'BL', BQ: 'NT', BR: 'BR', BS: 'BF', BT: 'BT', BV: 'BV', BW: 'BC', BY: 'BO', BZ: 'BH',
  CA: 'CA', CC: 'CK', CD: 'CG', CF: 'CT', CG: 'CF', CH: 'SZ', CI: 'IV', CK: 'CW', CL: 'CI',
  CM: 'CM', CN: 'CH', CO: 'CO', CR: 'CS', CU: 'CU', CV: 'CV', CW: 'NT', CX: 'KT', CY: 'CY',
  CZ: 'EZ', DE: 'GM', DJ: 'DJ', DK: 'DA', DM: 'DO', DO: 'DR', DZ: 'AG', EC: 'EC', EE: 'EN',
  EG: 'EG', EH: 'WI', ER: 'ER', ES: 'SP', ET: 'ET', FI: 'FI', FJ: 'FJ', FK: 'FK', FM: 'FM',
  FO: 'FO', FR: 'FR', GA: 'GB', GB: 'UK', GD: 'GJ', GE: 'GG', GF: 'FG', GG: 'GK', GH: 'GH',
  GI: 'GI', GL: 'GL', GM: 'GA', GN: 'GV', GP: 'GP', GQ: 'EK', GR: 'GR', GS: 'SX', GT: 'GT',
  GU: 'USGU', GW: 'PU', GY: 'GY', HK: 'HK', HM: 'HM', HN: 'HO', HR: 'HR', HT: 'HA', HU: 'HU',
  ID: 'ID', IE: 'EI', IL: 'IS', IM: 'IM', IN: 'IN', IO: 'IO', IQ: 'IZ', IR: 'IR', IS: 'IC',
  IT: 'IT', JE: 'JE', JM: 'JM', JO: 'JO', JP: 'JA', KE: 'KE', KG: 'KG', KH: 'CB', KI: 'KR',
  KM: 'CN', KN: 'SC', KP: 'KN', KR: 'KS', KW: 'KU', KY: 'CJ', KZ: 'KZ', LA: 'LA', LB: 'LE',
  LC: 'ST', LI: 'LS', LK: 'CE', LR: 'LI', LS: 'LT', LT: 'LH', LU: 'LU', LV: 'LG', LY: 'LY',
  MA: 'MO', MC: 'MN', MD: 'MD', ME: 'YI', MF: 'GP', MG: 'MA', MH: 'RM', MK: 'MK', ML: 'ML',
  MM: 'BM', MN: 'MG', MO: 'MC', MP: 'USMP', MQ: 'MB', MR: 'MR', MS: 'MH', MT: 'MT', MU: 'MP',
  MV: 'MV', MW: 'MI', MX: 'MX', MY: 'MY', MZ: 'MZ', NA: 'WA', NC: 'NC', NE: 'NG', NF: 'NF',
  NG: 'NI', NI: 'NU', NL: 'NL', NO: 'NO', NP: 'NP', NR: 'NR', NU: 'NE', NZ: 'NZ', OM: 'MU',
  PA: 'PM', PE: 'PE', PF: 'FP', PG: 'PP', PH: 'RP', PK: 'PK', PL: 'PL', PM: 'SB', PN: 'PC',
  PR: 'USPR', PT: 'PO', PW: 'PS', PY: 'PA', QA: 'QA', RE: 'RE', RO: 'RO', RS: 'YI', RU: 'RS',
  RW: 'RW', SA: 'SA', SB: 'BP', SC: 'SE', SD: 'SU', SE: 'SW', SG: 'SN', SH: 'SH', SI: 'SI',
  SK: 'LO', SL: 'SL', SM: 'SM', SN: 'SG', SO: 'SO', SR: 'NS', SS: 'SU', ST: 'TP', SV: 'ES',
  SX: 'NT', SY: 'SY', SZ: 'WZ', TC: 'TK', TD: 'CD', TF: 'FS', TG: 'TO', TH: 'TH', TJ: 'TI',
  TK: 'TL', TL: 'TT', TM: 'TX', TN: 'TS', TO: 'TN', TR: 'TU', TT: 'TD', TV: 'TV', TW: 'TW',
  TZ: 'TZ', UA: 'UP', UG: 'UG', UY: 'UY', UZ: 'UZ', VA: 'VT', VC: 'VC', VE: 'VE', VG: 'VI',
  VI: 'USVI', VN: 'VM', VU: 'NH', WF: 'WF', WS: 'WS', XK: 'YI', YE: 'YM', YT: 'MF', ZA: 'SF',
  ZM: 'ZA', ZW: 'ZI',
};

module.exports = { ISO_TO_REGION };
