// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// The public key of the program's announcements (4096-bit RSA modulus).
var publicKeyPem = "" +
    "-----BEGIN PUBLIC KEY-----\n" +
    "MIICIjANBgkqhkiG9w0BAQEFAAOCAg8AMIICCgKCAgEAq5ot0EGEXVjrR4bWjWK8\n" +
    "JNa38GQvnJxm8j5NYzeosYaJP7CrlqTJNEgYjJyqnrrEM95nmeo+or9WzbvwZUv6\n" +
    "dnpOKZywg9R3AbDPkqfVVbgDhxySdyhGAFXBqh+XL+LxE9BiM2E40gnV2smECoHh\n" +
    "otzgsueBTAuvraNz8BDursKqlyKE/+e9VQ4mD8hRkAze6wJKf5pr4iRk8erVV0Gc\n" +
    "Ihi4bcT1aDgpC25b98TbDujpr/N4ETV/wCfVhvI1M39IaQI3FXDFBNZrxO+7yXdl\n" +
    "+8UawtLE/QwXw7jO56q0bei+VsbWLqDgUCLGQmsn8iu8oqGM7P62ZETZ6t/dFQNP\n" +
    "rIV4HwqtYNMHFKULb2M8XwfKHwAzRsk3yn/ExaEBCvHLZtbBP1pMompUFiSBjcf+\n" +
    "ax8iP97O+dKA3XYui9/EvzG/uCH8seYcKS66ce4lMjlHHgorVA99z0rdybE7njI3\n" +
    "86oG/C5JXqclt+rswYVk66c//emJUT6DMNyLbFe8Jwr4C2QKybL0Jgp7b4Yn6jnU\n" +
    "E2yx3J0x96tEiM13IHjLpYruFCMz/Q/ZvFIluvNTNJLqb1koMvhTLeHkUWUiVGaG\n" +
    "L4EBCJL4DdpbAD+3TWl5cGKJTmRXe4RYg9eRaujLL6D0CoIPDSPKydXYgmog8v96\n" +
    "IsrHm2xBB4z7UkY5spsa4DECAwEAAQ==\n" +
    "-----END PUBLIC KEY-----\n" +
    "";
